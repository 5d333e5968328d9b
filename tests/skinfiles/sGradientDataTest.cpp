#include "skinfiles/sGradientData.h"

#include "skinfiles/sStoreUtils.h"

#include <gtest/gtest.h>

namespace {

struct StepFields
{
    TColor Color1, Color2;
    std::uint32_t Percent;
    std::int32_t Mode;
    friend bool operator==(const StepFields&, const StepFields&) = default;
};

std::vector<StepFields> Fields(const TsGradArray& steps)
{
    std::vector<StepFields> fields;
    for (const GradientStep& s : steps) {
        EXPECT_EQ(s.Reserved, 0);
        fields.push_back({s.Color1, s.Color2, s.Percent, s.Mode});
    }
    return fields;
}

} // namespace

TEST(sGradientData, ParsesStepsOfFiveWords)
{
    struct Case { const char* text; std::vector<StepFields> expected; };
    const Case cases[] = {
        {"", {}},
        {" ", {}},
        {"16579836;15066597;99;0;0;15066597;15066597;0;0;0",
         {{16579836, 15066597, 99, 0}, {15066597, 15066597, 0, 0}}},
        {"1;2;150;1;0;9", {{1, 2, 100, 1}}},             // Percent above 100 reads as 100; a sixth word is ignored
        {"1;2;-5;1;x", {{1, 2, 0, 1}}},                  // the fifth word is never read
        {"1;;2;;;3;4;5", {{1, 2, 3, 4}}},                // empty words do not count
        {"1;2;3;4", {}},                                 // an incomplete step is ignored
        {"1;2;3;4;5;6;7;x;9", {{1, 2, 3, 4}}},           // nor read
        {" 1 ; 2 ;3;4;5", {{1, 2, 3, 4}}},
        {"-16777201;255;50;2;0", {{0xFF00000F, 255, 50, 2}}},
    };
    for (const Case& c : cases) {
        TsGradArray steps(3);
        ParseGradientData(c.text, steps);
        EXPECT_EQ(Fields(steps), c.expected) << '"' << c.text << '"';
    }
}

TEST(sGradientData, NonDecimalWordsAreConversionErrors)
{
    for (const char* text : {"1;2;3;x;0", "$FF;2;3;4;5", "1;2;3.5;4;5", "1;2; ;4;5", "1;2;99999999999;4;5"}) {
        TsGradArray steps;
        EXPECT_THROW(ParseGradientData(text, steps), EConvertError) << text;
    }
}

TEST(sGradientData, FormatsFiveIntegersPerStepAndReadsBack)
{
    const TsGradArray steps = {{16579836, 15066597, 99, 0, 7}, {0xFF00000F, 15066597, 0, 1, 0}};
    const std::string text = FormatGradientData(steps);
    EXPECT_EQ(text, "16579836;15066597;99;0;0;-16777201;15066597;0;1;0");
    TsGradArray back;
    ParseGradientData(text, back);
    EXPECT_EQ(Fields(back), (std::vector<StepFields>{{16579836, 15066597, 99, 0}, {0xFF00000F, 15066597, 0, 1}}));
    EXPECT_EQ(FormatGradientData({}), "");
}
