#pragma once

#include "MainFormFixture.h"
#include "ModalDriver.h"

#include "editor/ChooseImage.h"
#include "editor/Unit3.h"
#include "graphics/TBitmap.h"

#include <QPoint>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

// A main window with the skin "Demo" open: its options name MASTER.BMP, a
// 200 x 200 master bitmap whose pixels all differ, loaded as the editor does.
class SelectImageTest : public MainFormTest
{
protected:
    SelectImageTest();

    QString skinFolder() const;
    // A bitmap file of the skin folder: every pixel (x, y) is (x, y, x + y).
    void writeBitmap(const QString& name, int width, int height) const;
    void writePng(const QString& name, int width, int height) const;
    static TBitmap patternBitmap(int width, int height);

    // Drags the selection from the first to the last selected image pixel, as
    // the mouse does at the window's scale and scroll position (QTest takes
    // the viewport point 0, 0 for its centre: avoid it).
    static void dragSelection(TFormSelectImage& tool, QPoint firstPixel, QPoint lastPixel);
    static void clickOk(TFormSelectImage& tool);
    static void clickCancel(TFormSelectImage& tool);
    // The settings file's "Selection" value.
    QByteArray selectionSetting(const char* key) const;

    std::unique_ptr<TMainForm> form;
};
