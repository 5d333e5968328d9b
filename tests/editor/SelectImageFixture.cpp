#include "SelectImageFixture.h"

#include "graphics/BmpWriter.h"
#include "platform/FileNames.h"

#include <QImage>
#include <QPushButton>
#include <QTest>

SelectImageTest::SelectImageTest()
{
    addSkin(QStringLiteral("Demo"), "[GLOBALINFO]\r\nVERSION=6.22\r\nMASTERBITMAP=MASTER.BMP\r\n[BUTTON]\r\nCOLOR=1\r\n");
    writeBitmap(QStringLiteral("Master.bmp"), 200, 200);
    writeSettings("[Options]\r\nSkinsPath=" + skinsPath().toLocal8Bit() + "\r\n[Selection]\r\nScale=1\r\n");
    form = start();
    chooseSkin(*form, QStringLiteral("Demo"));
    form->MasterBitmap = std::make_unique<TBitmap>(patternBitmap(200, 200));
}

QString SelectImageTest::skinFolder() const { return skinsPath() + QStringLiteral("/Demo"); }

TBitmap SelectImageTest::patternBitmap(int width, int height)
{
    TBitmap bitmap(width, height);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = bitmap.ScanLine(y);
        for (int x = 0; x < width; ++x) {
            row[x * 3] = std::uint8_t(x + y);
            row[x * 3 + 1] = std::uint8_t(y);
            row[x * 3 + 2] = std::uint8_t(x);
        }
    }
    return bitmap;
}

void SelectImageTest::writeBitmap(const QString& name, int width, int height) const
{
    const std::string error =
        SaveBmpFile(FileNameBytes(skinFolder() + QLatin1Char('/') + name), patternBitmap(width, height));
    ASSERT_EQ(error, "");
}

void SelectImageTest::writePng(const QString& name, int width, int height) const
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(qRgba(255, 200, 0, 128));
    ASSERT_TRUE(image.save(skinFolder() + QLatin1Char('/') + name, "PNG"));
}

void SelectImageTest::dragSelection(TFormSelectImage& tool, QPoint firstPixel, QPoint lastPixel)
{
    const int s = tool.Scale();
    const QPoint scroll = tool.ScrollPosition();
    const auto at = [&](QPoint pixel) { return pixel * s - scroll + QPoint(s / 2, s / 2); };
    QWidget* view = tool.sScrollBox1->viewport();
    QTest::mousePress(view, Qt::LeftButton, {}, at(firstPixel));

    QTest::mouseMove(view, at((firstPixel + lastPixel) / 2));
    QTest::mouseMove(view, at(lastPixel));
    QTest::mouseRelease(view, Qt::LeftButton, {}, at(lastPixel));
}

void SelectImageTest::clickOk(TFormSelectImage& tool) { QTest::mouseClick(tool.sBitBtn2, Qt::LeftButton); }

void SelectImageTest::clickCancel(TFormSelectImage& tool) { QTest::mouseClick(tool.sBitBtn1, Qt::LeftButton); }

QByteArray SelectImageTest::selectionSetting(const char* key) const { return settingValue("Selection", key); }
