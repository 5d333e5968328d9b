#pragma once

#include "engine/TsSkinModel.h"

#include <QString>

class QAbstractButton;
class TMainForm;

// The editor's text for an absent image value.
inline const QString ImageValueNone = QStringLiteral("N/A");

// Lets the user choose the new value of an image property: a rectangle of the
// master bitmap or an image file of the skin folder, through the image
// selection tool. Returns the value unchanged when the user cancels or an
// error was shown. The reset button, when given, ends up enabled exactly when
// the result is not "N/A".
QString ChooseImageValue(TMainForm& form, const QString& value, TovImgType kind,
                         QAbstractButton* resetButton = nullptr);
// The tool on the master bitmap; glow images never come from it.
QString SelectFromMaster(TMainForm& form, const QString& value, TovImgType kind);
// The tool on the image file an "!" value names.
QString SelectFromFile(TMainForm& form, const QString& value, TovImgType kind);
