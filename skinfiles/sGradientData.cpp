#include "skinfiles/sGradientData.h"

#include "skinfiles/sStoreUtils.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr int kWordsPerStep = 5;

int ReadGradientNumber(std::string_view text, std::string_view word)
{
    int number = 0;
    if (!TryStrToDecimal(TrimText(word), number))
        throw EConvertError(Quoted(word) + " is not a valid integer value", std::string(text));
    return number;
}

} // namespace

void ParseGradientData(std::string_view text, TsGradArray& steps)
{
    steps.clear();
    if (TrimText(text).empty())
        return;
    const std::vector<std::string_view> words = SplitWords(text, ";");
    const std::size_t count = words.size() / kWordsPerStep;
    steps.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view* word = &words[i * kWordsPerStep];
        GradientStep step;
        step.Color1 = static_cast<TColor>(ReadGradientNumber(text, word[0]));
        step.Color2 = static_cast<TColor>(ReadGradientNumber(text, word[1]));
        step.Percent = static_cast<std::uint8_t>(std::clamp(ReadGradientNumber(text, word[2]), 0, 100));
        step.Mode = ReadGradientNumber(text, word[3]);
        steps.push_back(step);
    }
}

std::string FormatGradientData(const TsGradArray& steps)
{
    std::string text;
    for (const GradientStep& step : steps) {
        if (!text.empty())
            text += ';';
        text += std::to_string(static_cast<std::int32_t>(step.Color1)) + ';'
                + std::to_string(static_cast<std::int32_t>(step.Color2)) + ';' + std::to_string(step.Percent & 0xFF)
                + ';' + std::to_string(step.Mode) + ";0";
    }
    return text;
}
