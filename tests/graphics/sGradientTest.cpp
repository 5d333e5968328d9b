#include "graphics/sGradient.h"

#include "PixelFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

static GradientStep Step(TColor color1, TColor color2, std::uint32_t percent, std::int32_t mode = 0)
{
    return GradientStep{color1, color2, percent, mode, 0};
}

// The grey level of every row of a vertical gradient painted into the
// columns 1..2 of a 4-pixel-wide white bitmap, below `top` white rows.
static std::vector<int> PaintedRows(const TsGradArray& steps, int height, int top)
{
    TBitmap bitmap = Solid(4, top + height + 1, clWhite);
    PaintGradient(bitmap, TRect{1, top, 3, top + height}, steps);
    std::vector<int> rows;
    for (int y = 0; y < bitmap.Height(); ++y) {
        const TColor c = Pixel(bitmap, 1, y);
        EXPECT_EQ(Pixel(bitmap, 2, y), c) << "row " << y;
        EXPECT_EQ(Pixel(bitmap, 0, y), clWhite) << "row " << y;
        EXPECT_EQ(Pixel(bitmap, 3, y), clWhite) << "row " << y;
        if (y >= top && y < top + height)
            rows.push_back(c == Gray(GetRValue(c)) ? GetRValue(c) : -1);
        else
            EXPECT_EQ(c, clWhite) << "row " << y << " is outside";
    }
    return rows;
}

TEST(PaintGradient, VerticalStepsShareTheirBoundaryRowAndTheLastRunsToTheBottom)
{
    struct Case { const char* what; TsGradArray steps; int top; std::vector<int> rows; };
    const Case cases[] = {
        {"a single step of 50 percent fills the whole height", {Step(Gray(0), Gray(90), 50)}, 0,
         {0, 10, 20, 30, 40, 50, 60, 70, 80, 90}},
        {"the boundary row belongs to the next step", {Step(Gray(0), Gray(50), 50), Step(Gray(100), Gray(150), 50)}, 2,
         {0, 10, 20, 30, 40, 100, 110, 120, 130, 140, 150}},
        {"percents over 100 leave the later steps nothing",
         {Step(Gray(0), Gray(90), 100), Step(Gray(200), Gray(200), 50), Step(Gray(250), Gray(250), 10)}, 1,
         {0, 10, 20, 30, 40, 50, 60, 70, 80, 90}},
        {"only the low byte of the percent counts", {Step(Gray(0), Gray(40), 0x132), Step(Gray(100), Gray(140), 0)}, 0,
         {0, 10, 20, 30, 100, 110, 120, 130, 140}},
        {"a step of 0 percent paints nothing", {Step(Gray(0), Gray(0), 0), Step(Gray(20), Gray(100), 0)}, 0,
         {20, 30, 40, 50, 60, 70, 80, 90, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(PaintedRows(c.steps, int(c.rows.size()), c.top), c.rows);
    }
}

TEST(PaintGradient, TheStoredTwoStepGradientRowByRow)
{
    // "16579836;15066597;99;0;0;15066597;15066597;0;0;0": the first step covers
    // rows 0 to 99, the second starts and ends at row 99 and paints nothing.
    const TsGradArray steps = {Step(16579836, 15066597, 99), Step(15066597, 15066597, 0)};
    const std::vector<int> rows = PaintedRows(steps, 100, 0);
    ASSERT_EQ(rows.size(), 100u);
    for (int y = 0; y < 100; ++y) {
        const int nearest = (2 * (252 * 99 - 23 * y) + 99) / 198; // 252 + y * (229 - 252) / 99
        EXPECT_EQ(rows[y], nearest) << "row " << y;
    }
    EXPECT_EQ(rows.front(), 0xFC);
    EXPECT_EQ(rows.back(), 0xE5);
}

TEST(PaintGradient, RunningValuesAreSinglePrecision)
{
    // Over 10 increments the single-precision sums land just beside the halves
    // at row 5: 8.5000010 (red), 5.4999995 (green), 6.4999995 (blue); exact or
    // double-precision arithmetic would round to 8, 6 and 6 or 7.
    TBitmap bitmap(2, 11);
    PaintGradient(bitmap, TRect{0, 0, 2, 11}, {Step(RGBColor(7, 11, 3), RGBColor(10, 0, 10), 100)});
    EXPECT_EQ(Pixel(bitmap, 0, 5), RGBColor(9, 5, 6));
    EXPECT_EQ(Pixel(bitmap, 1, 0), RGBColor(7, 11, 3));
    EXPECT_EQ(Pixel(bitmap, 1, 10), RGBColor(10, 0, 10));
}

TEST(PaintGradient, HorizontalStepBoundariesRoundHalvesToEvenOnEveryRow)
{
    struct Column { int x; int gray; };
    struct Case { const char* what; TsGradArray steps; int width; std::vector<Column> columns; };
    const Case cases[] = {
        {"5 percent of 50 is 2.5: the boundary is column 2 (4.5 -> 4)", {Step(Gray(0), Gray(100), 5, 1), Step(Gray(200), Gray(200), 0)},
         50, {{0, 0}, {1, 50}, {2, 200}, {49, 200}}},
        {"7 percent of 50 is 3.5: the boundary is column 4 (5.5 -> 6)", {Step(Gray(0), Gray(100), 7, 1), Step(Gray(200), Gray(200), 0)},
         50, {{0, 0}, {1, 25}, {3, 75}, {4, 200}}},
        {"a single short step runs to the right edge", {Step(Gray(0), Gray(98), 10, 1)}, 50,
         {{0, 0}, {10, 20}, {48, 96}, {49, 98}}},
        {"boundaries add up from the left",
         {Step(Gray(0), Gray(100), 10, 1), Step(Gray(100), Gray(200), 20), Step(Gray(7), Gray(7), 0)}, 100,
         {{9, 90}, {10, 100}, {11, 105}, {29, 195}, {30, 7}, {99, 7}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Two white columns on the left keep the halves at even positions.
        TBitmap bitmap = Solid(c.width + 3, 4, clWhite);
        PaintGradient(bitmap, TRect{2, 1, c.width + 2, 3}, c.steps);
        for (const Column& column : c.columns) {
            EXPECT_EQ(Pixel(bitmap, column.x + 2, 1), Gray(std::uint8_t(column.gray))) << "column " << column.x;
            EXPECT_EQ(Pixel(bitmap, column.x + 2, 2), Gray(std::uint8_t(column.gray))) << "column " << column.x;
        }
        const std::string white(std::size_t(c.width) + 3, '#');
        EXPECT_EQ(Picture(bitmap, clWhite)[0], white);
        EXPECT_EQ(Picture(bitmap, clWhite)[3], white);
        EXPECT_EQ(Pixel(bitmap, 1, 1), clWhite);
        EXPECT_EQ(Pixel(bitmap, c.width + 2, 2), clWhite);
    }
}

TEST(PaintGradient, DiagonalShadesFromTheCornersAndTheCentre)
{
    const TColor red = RGBColor(255, 0, 0), green = RGBColor(0, 255, 0), blue = RGBColor(0, 0, 255);
    const TsGradArray steps = {Step(red, 0, 0, 2), Step(clBlack, 0, 0), Step(green, 0, 0), Step(blue, 0, 0),
                               Step(clWhite, 0, 0)};
    TBitmap bitmap(8, 8);
    PaintGradient(bitmap, TRect{0, 0, 8, 8}, steps);
    // Corner pixel centres lie 1/8 of the way from their corner to the centre.
    EXPECT_EQ(Pixel(bitmap, 0, 0), RGBColor(223, 0, 0));
    EXPECT_EQ(Pixel(bitmap, 7, 0), RGBColor(0, 223, 0));
    EXPECT_EQ(Pixel(bitmap, 7, 7), RGBColor(0, 0, 223));
    EXPECT_EQ(Pixel(bitmap, 0, 7), Gray(223));
    EXPECT_EQ(Pixel(bitmap, 4, 0), RGBColor(96, 128, 0)); // (4.5, 0.5): 3/8 red, 1/2 green, halves up
}

TEST(PaintGradient, DiagonalWithFewerStepsRepeatsTheLastColour)
{
    const TColor far = RGBColor(200, 100, 50);
    TBitmap bitmap(8, 8);
    PaintGradient(bitmap, TRect{0, 0, 8, 8}, {Step(clBlack, clWhite, 0, 2), Step(far, clWhite, 0)});
    // Vertices 1 to 4 take the second colour: the right and bottom triangles are flat.
    for (int y = 4; y < 8; ++y)
        for (int x = 4; x < 8; ++x)
            EXPECT_EQ(Pixel(bitmap, x, y), far) << x << "," << y;
    EXPECT_EQ(Pixel(bitmap, 0, 0), RGBColor(25, 13, 6)); // 1/8 of the far colour, rounded
    EXPECT_EQ(Pixel(bitmap, 7, 0), far);
}

TEST(PaintGradient, DiagonalOfOneColourIsFlatAtAnySize)
{
    for (const TRect rect : {TRect{0, 0, 7, 5}, TRect{1, 1, 2, 5}, TRect{0, 2, 7, 3}, TRect{3, 0, 4, 1}}) {
        TBitmap bitmap = Solid(7, 5, clWhite);
        PaintGradient(bitmap, rect, {Step(0x123456, 0, 0, 2)});
        int painted = 0;
        for (const std::string& row : Picture(bitmap, 0x123456))
            painted += int(std::count(row.begin(), row.end(), '#'));
        EXPECT_EQ(painted, rect.Width() * rect.Height()) << rect.Left << "," << rect.Top;
    }
}

TEST(PaintGradient, PaintsNothingWithoutStepsOrAreaOrForAnotherMode)
{
    const TsGradArray ok = {Step(clBlack, clBlack, 100)};
    const std::vector<std::pair<const char*, std::function<void(TBitmap&)>>> calls = {
        {"mode 3", [](TBitmap& b) { PaintGradient(b, TRect{0, 0, 4, 4}, {Step(0, 0, 100, 3)}); }},
        {"no steps", [](TBitmap& b) { PaintGradient(b, TRect{0, 0, 4, 4}, {}); }},
        {"empty rectangle", [&](TBitmap& b) { PaintGradient(b, TRect{2, 2, 2, 4}, ok); }},
        {"below the bitmap", [](TBitmap& b) { PaintGradient(b, TRect{0, 9, 4, 20}, {Step(0, 0, 255), Step(0, 0, 0)}); }},
        {"right of the bitmap", [](TBitmap& b) { PaintGradient(b, TRect{9, 0, 20, 4}, {Step(0, 0, 255, 1), Step(0, 0, 0)}); }},
        {"diagonal above the bitmap", [](TBitmap& b) { PaintGradient(b, TRect{0, -9, 4, -1}, {Step(0, 0, 0, 2)}); }},
    };
    for (const auto& [what, call] : calls) {
        TBitmap bitmap = Solid(4, 4, clWhite);
        call(bitmap);
        EXPECT_EQ(Picture(bitmap, clWhite), (std::vector<std::string>{"####", "####", "####", "####"})) << what;
    }
    TBitmap deep = Solid(4, 4, clWhite, TPixelFormat::pf32bit);
    PaintGradient(deep, TRect{0, 0, 4, 4}, ok);
    EXPECT_EQ(Pixel(deep, 1, 1), clWhite);
}

TEST(PaintGradient, TheRectangleIsClippedToTheBitmap)
{
    TBitmap bitmap = Solid(4, 5, clWhite);
    PaintGradient(bitmap, TRect{-2, -3, 3, 100}, {Step(Gray(0), Gray(40), 30)});
    for (int y = 0; y < 5; ++y) {
        EXPECT_EQ(Pixel(bitmap, 0, y), Gray(std::uint8_t(10 * y)));
        EXPECT_EQ(Pixel(bitmap, 3, y), clWhite);
    }
}

// The colour at each position of a single step painted over `span` + 1
// positions, worked out the plain way: single-precision running values, the
// double-precision increments, and the library's round-to-nearest per channel.
static std::vector<TColor> RunningColours(TColor from, TColor to, int span)
{
    float value[3] = {float(GetBValue(from)), float(GetGValue(from)), float(GetRValue(from))};
    const double increment[3] = {(double(GetBValue(to)) - GetBValue(from)) / span,
                                 (double(GetGValue(to)) - GetGValue(from)) / span,
                                 (double(GetRValue(to)) - GetRValue(from)) / span};
    std::vector<TColor> colours;
    for (int i = 0; i <= span; ++i) {
        std::uint8_t bgr[3];
        for (int c = 0; c < 3; ++c) {
            bgr[c] = std::uint8_t(std::clamp(std::nearbyint(value[c]), 0.0f, 255.0f));
            value[c] = float(value[c] + increment[c]);
        }
        colours.push_back(RGBColor(bgr[2], bgr[1], bgr[0]));
    }
    return colours;
}

TEST(PaintGradient, EveryRowAndColumnMatchesTheLibraryRoundingOfTheRunningValues)
{
    // Extremes, neighbours and uneven mixes, both ways, over many spans: any
    // rounding that differs from the library's on a single value shows here.
    const std::pair<TColor, TColor> pairs[] = {
        {clBlack, clWhite}, {clWhite, clBlack}, {RGBColor(250, 250, 252), RGBColor(210, 215, 225)},
        {RGBColor(7, 11, 3), RGBColor(10, 0, 10)}, {RGBColor(0, 128, 255), RGBColor(255, 127, 0)},
        {RGBColor(1, 2, 3), RGBColor(2, 3, 4)}, {RGBColor(99, 200, 13), RGBColor(98, 201, 250)},
    };
    for (const auto& [from, to] : pairs)
        for (int size = 2; size <= 700; size += size < 40 ? 1 : 37) {
            SCOPED_TRACE(testing::Message() << std::hex << from << " to " << to << std::dec << " over " << size);
            const std::vector<TColor> expected = RunningColours(from, to, size - 1);
            TBitmap column(1, size), row(size, 1);
            PaintGradient(column, TRect{0, 0, 1, size}, {Step(from, to, 100, 0)});
            PaintGradient(row, TRect{0, 0, size, 1}, {Step(from, to, 100, 1)});
            for (int i = 0; i < size; ++i) {
                ASSERT_EQ(Pixel(column, 0, i), expected[std::size_t(i)]) << "row " << i;
                ASSERT_EQ(Pixel(row, i, 0), expected[std::size_t(i)]) << "column " << i;
            }
        }
}
