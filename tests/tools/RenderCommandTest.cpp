#include "graphics/BmpWriter.h"
#include "graphics/PixelFixtures.h"
#include "graphics/ovPNG.h"
#include "skinfiles/sImageValues.h"
#include "support/TestFiles.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

constexpr TColor Red = 0x0000FF, Green = 0x00FF00, Blue = 0xFF0000;

struct RenderRun
{
    int exitCode = -1;
    QByteArray out;
    QString err;
};

RenderRun render(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(VESPIRA_TOOL_PATH), QStringList{"render"} + args);
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

TBitmap DecodePng(const QByteArray& bytes)
{
    TPNGGraphic png;
    png.LoadFromMemory(reinterpret_cast<const std::uint8_t*>(bytes.data()), std::size_t(bytes.size()));
    return png.Bitmap();
}

// A skin folder whose BUTTON has a 6 x 6 green border picture with bands of 2
// and a transparent top-left pixel.
class RenderCommand : public ::testing::Test
{
protected:
    RenderCommand()
    {
        TBitmap master = Solid(8, 8, Green);
        SetPixel(master, 0, 0, clFuchsia);
        const std::vector<std::uint8_t> bmp = EncodeBmp(master);
        dir.write("Blue/MASTER.BMP", QByteArray(reinterpret_cast<const char*>(bmp.data()), qsizetype(bmp.size())));
    }

    QString writeSkin(int transparency)
    {
        const std::string border = FormatBorderValue(TsImageValue{0, 0, 6, 6, 1, 0, 2, 0, 2, 2, 2, 2});
        const std::string options = "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n[BUTTON]\r\nCOLOR=255\r\nTRANSPARENCY="
            + std::to_string(transparency) + "\r\nHOTTRANSPARENCY=" + std::to_string(transparency) + "\r\nBORDERSMASK=" + border + "\r\n";
        dir.write("Blue/Options.dat", QByteArray::fromStdString(options));
        return dir.file("Blue");
    }

    TestFolder dir;
};

TEST_F(RenderCommand, PaintsTheSectionWithItsBorderOverTheBackgroundColour)
{
    const QString out = dir.file("button.png");
    const RenderRun run = render({writeSkin(0), "--section", "BUTTON", "--size", "8x7", "--out", out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    const TBitmap image = DecodePng(readFileBytes(out));
    ASSERT_EQ(image.Width(), 8);
    ASSERT_EQ(image.Height(), 7);
    EXPECT_EQ(Pixel(image, 0, 0), Red) << "the key pixel keeps what lies beneath: the section colour";
    EXPECT_EQ(Pixel(image, 1, 0), Green);
    EXPECT_EQ(Pixel(image, 3, 3), Red);
    EXPECT_EQ(Pixel(image, 7, 6), Green);
}

TEST_F(RenderCommand, TransparentSectionShowsTheBackgroundAndPngGoesToStandardOutput)
{
    const RenderRun run =
        render({writeSkin(100), "--section", "BUTTON", "--size", "8x7", "--background", "0000ff", "--state", "1"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const TBitmap image = DecodePng(run.out);
    EXPECT_EQ(Pixel(image, 0, 0), Blue);
    EXPECT_EQ(Pixel(image, 3, 3), Blue);
    EXPECT_EQ(Pixel(image, 1, 0), Green);
}

TEST_F(RenderCommand, WrongUsageAndFailures)
{
    const QString skin = writeSkin(0);
    const QStringList wrong[] = {
        {skin, "--section", "BUTTON"},
        {skin, "--section", "BUTTON", "--size", "0x5"},
        {skin, "--section", "BUTTON", "--size", "5"},
        {skin, "--section", "BUTTON", "--size", "5x5", "--background", "GG0000"},
        {skin, "--section", "BUTTON", "--size", "5x5", "--state", "-1"},
        {skin, "--section", "BUTTON", "--size", "5x5", "--colour", "1"},
        {skin, "--section", "BUTTON", "--size", "99999x99999"},
        {"--section", "BUTTON", "--size", "5x5"},
    };
    for (const QStringList& args : wrong) {
        const RenderRun run = render(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("usage: vespira render")) << run.err.toStdString();
    }
    const QStringList failing[] = {
        {skin, "--section", "EDIT", "--size", "5x5"},
        {dir.file("Missing"), "--section", "BUTTON", "--size", "5x5"},
        {skin, "--section", "BUTTON", "--size", "5x5", "--out", dir.file("no/such/folder/out.png")},
    };
    for (const QStringList& args : failing) {
        const RenderRun run = render(args);
        EXPECT_EQ(run.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

} // namespace
