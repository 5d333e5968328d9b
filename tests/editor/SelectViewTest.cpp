#include "SelectImageFixture.h"

#include "editor/Unit3.h"
#include "skinfiles/sStoreUtils.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <vector>

namespace {

// A w x h bitmap whose pixel (x, y) is blue = 10 * x + y + 1, green = red = 0.
TBitmap numberedBitmap(int width, int height)
{
    TBitmap bitmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.ScanLine(y)[x * 3] = std::uint8_t(10 * x + y + 1);
    return bitmap;
}

// The blue bytes of the 32-bit view, row by row; every pixel is opaque.
std::vector<std::vector<int>> blueRows(const TBitmap& view)
{
    std::vector<std::vector<int>> rows;
    for (int y = 0; y < view.Height(); ++y) {
        std::vector<int> row;
        for (int x = 0; x < view.Width(); ++x) {
            const std::uint8_t* pixel = view.ScanLine(y) + x * 4;
            EXPECT_EQ(pixel[1] | pixel[2], 0);
            EXPECT_EQ(pixel[3], 255);
            row.push_back(pixel[0]);
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace

TEST(PaintScaledView, UnscaledCopiesFromTheScrollPositionAndBlackensTheRest)
{
    TBitmap view(3, 3, TPixelFormat::pf32bit);
    PaintScaledView(numberedBitmap(3, 2), 1, 1, 0, view);
    EXPECT_EQ(blueRows(view), (std::vector<std::vector<int>>{{11, 21, 0}, {12, 22, 0}, {0, 0, 0}}));
}

TEST(PaintScaledView, EachPixelBecomesACellFromAPositionInsideACell)
{
    TBitmap view(5, 4, TPixelFormat::pf32bit);
    PaintScaledView(numberedBitmap(2, 2), 3, 2, 1, view);
    // Scaled columns 2..6 are pixels 0, 1, 1, 1, beyond; rows 1..4 are pixels 0, 0, 1, 1.
    EXPECT_EQ(blueRows(view), (std::vector<std::vector<int>>{
                                  {1, 11, 11, 11, 0}, {1, 11, 11, 11, 0}, {2, 12, 12, 12, 0}, {2, 12, 12, 12, 0}}));
}

TEST(PaintScaledView, AViewBeyondThePictureIsBlack)
{
    TBitmap view(2, 2, TPixelFormat::pf32bit);
    PaintScaledView(numberedBitmap(2, 2), 2, 10, 10, view);
    EXPECT_EQ(blueRows(view), (std::vector<std::vector<int>>{{0, 0}, {0, 0}}));
}

namespace {

struct ValueCase
{
    int mode;
    const char* value;
    const char* written; // "" when written back unchanged
};

class ReadAndWriteValues : public SelectImageTest, public testing::WithParamInterface<ValueCase>
{
};

const ValueCase valueCases[] = {
    {TFormSelectImage::smBorder, "^0004^0051^0007^0057^0000^0001^0002^0001^1^0^4^1", ""},
    {TFormSelectImage::smBorder, "^0000^0010^0030^0040^0003^0004^0005^0006^3^1^7^1", ""},
    // All four widths 0: the common width, else a third of a state.
    {TFormSelectImage::smBorder, "^0000^0057^0042^0079^0000^0000^0000^0000^3^0^0^5",
     "^0000^0057^0042^0079^0005^0005^0005^0005^3^0^0^1"},
    {TFormSelectImage::smBorder, "^0000^0057^0042^0079^0000^0000^0000^0000^3^0^0^0",
     "^0000^0057^0042^0079^0004^0007^0004^0007^3^0^0^1"},
    {TFormSelectImage::smBorder, "# (0,57,42,79) (3,0,0,1)", "^0000^0057^0042^0079^0004^0007^0004^0007^3^0^0^1"},
    {TFormSelectImage::smBorder, "# (0,57,42,79) (3,1,2,5)", "^0000^0057^0042^0079^0002^0002^0002^0002^3^1^0^1"},
    {TFormSelectImage::smTexture, "~0067~0141~0069~0145~10~1", ""},
    {TFormSelectImage::smTexture, "~0150~0070~0156~0078~00~0", ""},
    {TFormSelectImage::smTexture, "~0150~0070~0156~0078~03", "~0150~0070~0156~0078~03~0"},
    {TFormSelectImage::smTexture, "~0150~0070~0156~0078~99~0", "~0150~0070~0156~0078~00~0"},
    {TFormSelectImage::smTexture, "# (1,2,3,4) (1,1)", "~0001~0002~0003~0004~00~1"},
    {TFormSelectImage::smGlyph, "@0106@0000@0145@0013@3@0", ""},
    {TFormSelectImage::smGlyph, "@0001@0002@0003@0004@2@1", ""},
    {TFormSelectImage::smGlyph, "# (1,2,3,4) (2,1)", "@0001@0002@0003@0004@2@1"},
    // Values of another syntax leave the defaults: an empty selection at 0, 0.
    {TFormSelectImage::smBorder, "N/A", "^0000^0000^0000^0000^0000^0000^0000^0000^3^1^0^1"},
    {TFormSelectImage::smGlyph, "~0067~0141~0069~0145~10~1", "@0000@0000@0000@0000@3@1"},
};

} // namespace

TEST_P(ReadAndWriteValues, AValueIsReadIntoTheWindowAndWrittenBack)
{
    const ValueCase& entry = GetParam();
    TFormSelectImage tool(form->SettingsFileName);
    tool.SetToolImage(patternBitmap(300, 300));
    tool.Mode = entry.mode;
    tool.LoadMasterValue(entry.value);
    EXPECT_EQ(tool.MasterValue(), *entry.written ? entry.written : entry.value);
}

INSTANTIATE_TEST_SUITE_P(EveryMode, ReadAndWriteValues, testing::ValuesIn(valueCases));

TEST_F(SelectImageTest, AValueThatIsNotANumberLeavesTheWindowAsItWas)
{
    TFormSelectImage tool(form->SettingsFileName);
    tool.SetToolImage(patternBitmap(50, 50));
    tool.LoadMasterValue("^0001^0002^0003^0004^0000^0000^0000^0000^1^0^0^1");
    EXPECT_THROW(tool.LoadMasterValue("^0009^0009^0009^00x9^0000^0000^0000^0000^1^0^0^1"), EConvertError);
    EXPECT_EQ(tool.Selection(), (TRect{1, 2, 3, 4}));
}

TEST_F(SelectImageTest, AFieldTooWideForItsSyntaxWritesNothing)
{
    TFormSelectImage tool(form->SettingsFileName);
    tool.Mode = TFormSelectImage::smGlyph;
    tool.SetSelection({0, 0, 12345, 1});
    EXPECT_EQ(tool.MasterValue(), "");
}

namespace {

// The window shown without a modal loop, active, at a scale.
class ShownTool : public SelectImageTest
{
protected:
    void show(const TBitmap& picture, int scale)
    {
        tool = std::make_unique<TFormSelectImage>(form->SettingsFileName);
        tool->SetToolImage(picture);
        tool->show();
        QApplication::setActiveWindow(tool.get());
        tool->sTrackBar1->setValue(scale);
    }
    QImage viewImage() const { return tool->sScrollBox1->viewport()->grab().toImage(); }

    std::unique_ptr<TFormSelectImage> tool;
};

} // namespace

TEST_F(ShownTool, TheSelectionRingCrawlsWithTheAnimation)
{
    show(patternBitmap(200, 200), 4);
    tool->SetSelection({10, 10, 30, 20});
    const QImage before = viewImage();
    tool->Timer1Timer();
    tool->Timer1Timer();
    const QImage after = viewImage();
    // The ring is one image pixel (4 screen pixels) thick over the outermost
    // selected pixels; inside and outside it the picture stays.
    const QRect ring(40, 40, 80, 40);
    EXPECT_NE(before.copy(ring.left(), ring.top(), ring.width(), 4), after.copy(ring.left(), ring.top(), ring.width(), 4));
    EXPECT_EQ(before.copy(ring.adjusted(4, 4, -4, -4)), after.copy(ring.adjusted(4, 4, -4, -4)));
    EXPECT_EQ(before.pixel(45, 45), qRgb(11, 11, 22));
    EXPECT_EQ(before.pixel(38, 45), qRgb(9, 11, 20));
}

TEST_F(ShownTool, BlueGuidesShowTheBorderWidthsWhileAWidthHasTheFocus)
{
    show(patternBitmap(200, 200), 4);
    tool->SetSelection({10, 10, 40, 30});
    tool->sSpinEdit1->setValue(3);
    tool->sCheckBox1->setChecked(true);
    tool->sCheckBox2->setChecked(false);
    tool->WL->setValue(2);
    tool->WT->setValue(3);
    const QRgb blue = qRgb(0, 0, 255);
    // State width 116 / 3 = 38, image height 76 / 2 = 38 (view pixels).
    const int left = 40, top = 40;
    EXPECT_NE(viewImage().pixel(left + 2 * 4, top + 20), blue);
    tool->WL->setFocus();
    const QImage guided = viewImage();
    EXPECT_EQ(guided.pixel(left + 2 * 4, top + 20), blue);
    EXPECT_EQ(guided.pixel(left + 20, top + 3 * 4), blue);
    EXPECT_EQ(guided.pixel(left + 2 * 4, top - 4 * 4), blue);
    tool->sScrollBox1->setFocus();
    EXPECT_NE(viewImage().pixel(left + 2 * 4, top + 20), blue);
}

TEST_F(ShownTool, AHugePictureAtScale8StaysUsable)
{
    TBitmap huge(4000, 4000);
    show(huge, 8);
    QScrollBar* horizontal = tool->sScrollBox1->horizontalScrollBar();
    QScrollBar* vertical = tool->sScrollBox1->verticalScrollBar();
    EXPECT_EQ(horizontal->maximum(), 4000 * 8 + 25 - tool->sScrollBox1->viewport()->width());
    horizontal->setValue(horizontal->maximum());
    vertical->setValue(vertical->maximum());
    QWidget* view = tool->sScrollBox1->viewport();
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(view, QPoint(view->width() - 1, view->height() - 1));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(view->width() - 1, view->height() - 1));
    // The selection may reach into the margin beyond the picture.
    EXPECT_EQ(tool->Selection().Right, (horizontal->value() + view->width() - 1) / 8 + 1);
    EXPECT_FALSE(viewImage().isNull());
}

TEST_F(ShownTool, TheWheelScrollsByEightImagePixels)
{
    show(patternBitmap(200, 200), 4);
    QWidget* view = tool->sScrollBox1->viewport();
    QWheelEvent down(QPointF(10, 10), view->mapToGlobal(QPointF(10, 10)), {}, QPoint(0, -120), Qt::NoButton, {},
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &down);
    EXPECT_EQ(tool->ScrollPosition(), QPoint(0, 32));
    QWheelEvent left(QPointF(10, 10), view->mapToGlobal(QPointF(10, 10)), {}, QPoint(0, -120), Qt::NoButton,
                     Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &left);
    EXPECT_EQ(tool->ScrollPosition(), QPoint(32, 32));
}

TEST_F(ShownTool, TheMoveModePansThePicture)
{
    show(patternBitmap(200, 200), 8);
    tool->sScrollBox1->horizontalScrollBar()->setValue(400);
    tool->sScrollBox1->verticalScrollBar()->setValue(400);
    viewImage();
    ASSERT_TRUE(tool->sSpeedButton2->isEnabled());
    QTest::mouseClick(tool->sSpeedButton2, Qt::LeftButton);
    QWidget* view = tool->sScrollBox1->viewport();
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(view, QPoint(130, 90));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(130, 90));
    EXPECT_EQ(tool->ScrollPosition(), QPoint(370, 410));
    EXPECT_EQ(tool->Selection(), (TRect{0, 0, 0, 0}));
}

TEST_F(ShownTool, ACtrlDragScrollsTheViewAndTheSelectionGrowsWithIt)
{
    show(patternBitmap(200, 200), 4);
    QWidget* view = tool->sScrollBox1->viewport();
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(21, 21));
    QMouseEvent move(QEvent::MouseMove, QPointF(61, 61), view->mapToGlobal(QPointF(61, 61)), Qt::NoButton,
                     Qt::LeftButton, Qt::ControlModifier);
    QApplication::sendEvent(view, &move);
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(61, 61));
    EXPECT_EQ(tool->ScrollPosition(), QPoint(40, 40));
    // The far corner stays under the last pointer position, now 40 pixels further on.
    EXPECT_EQ(tool->Selection(), (TRect{5, 5, 16, 16}));
}
