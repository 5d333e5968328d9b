#pragma once

#include <QRect>
#include <QString>

class QPainter;
class TMainForm;

// The preview of a "PATTERN" or "HOTPATTERN" value in a pattern panel
// (PanelImgEditPaint, PanelHotImgEditPaint): the texture's rectangle of the
// master bitmap, or the texture file of the skin folder, tiled unscaled from
// the top left over rect. False when there is nothing to show ("N/A", no
// master bitmap, a missing or unreadable file): the panel then paints its
// normal look.
bool PaintPatternPreview(QPainter& painter, const QRect& rect, const QString& value, const TMainForm& form);
