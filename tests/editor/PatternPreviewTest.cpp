#include "SelectImageFixture.h"

#include "editor/PatternPreview.h"

#include <QPainter>

namespace {

class PatternPreviewTest : public SelectImageTest
{
protected:
    // Paints the preview of value into a 7 x 5 panel at (1, 1) of a grey 9 x 7 image.
    bool paint(const char* value)
    {
        panel = QImage(9, 7, QImage::Format_RGB32);
        panel.fill(Qt::gray);
        QPainter painter(&panel);
        return PaintPatternPreview(painter, QRect(1, 1, 7, 5), QString::fromLatin1(value), *form);
    }
    // The fixture's pattern colour of picture pixel (x, y).
    static QRgb patternPixel(int x, int y) { return qRgb(x & 255, y & 255, (x + y) & 255); }

    QImage panel;
};

} // namespace

TEST_F(PatternPreviewTest, ARectangleOfTheMasterBitmapIsTiledFromTheTopLeft)
{
    for (const char* value : {"~0002~0003~0005~0005~00~0", "# (2,3,5,5) (1,0)"}) {
        ASSERT_TRUE(paint(value)) << value;
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x)
                ASSERT_EQ(panel.pixel(x + 1, y + 1), patternPixel(2 + x % 3, 3 + y % 2)) << value << " " << x << "," << y;
        EXPECT_EQ(panel.pixel(0, 0), QColor(Qt::gray).rgb());
        EXPECT_EQ(panel.pixel(8, 6), QColor(Qt::gray).rgb());
    }
}

TEST_F(PatternPreviewTest, AFilePatternIsTiledWhole)
{
    writeBitmap(QStringLiteral("Tex.bmp"), 2, 3);
    for (const char* value : {"TEX.BMP", "!TEX.BMP!1!0!1"}) {
        ASSERT_TRUE(paint(value)) << value;
        EXPECT_EQ(panel.pixel(1, 1), patternPixel(0, 0));
        EXPECT_EQ(panel.pixel(4, 5), patternPixel(1, 1));
    }
}

TEST_F(PatternPreviewTest, NothingToShowLeavesThePanelToItsNormalLook)
{
    for (const char* value : {"N/A", "", "MISSING.JPG", "!MISSING.BMP!1!0!1", "!TEX.BMP!x!0!1", "~0002~0003", "# (a)"}) {
        EXPECT_FALSE(paint(value)) << value;
        EXPECT_EQ(panel.pixel(4, 3), QColor(Qt::gray).rgb()) << value;
    }
    form->MasterBitmap.reset();
    EXPECT_FALSE(paint("~0002~0003~0005~0005~00~0"));
}
