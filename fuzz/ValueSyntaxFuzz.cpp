// Every value parser on any text: parsing either succeeds or reports a
// conversion error, and whatever parses writes back as text that reads the same.

#include "skinfiles/sGradientData.h"
#include "skinfiles/sImageValues.h"
#include "skinfiles/sStoreUtils.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

template <typename Parse, typename Format>
void RoundTrip(std::string_view value, Parse parse, Format format)
{
    try {
        const auto image = parse(value);
        EngineImageValue(image);
        const std::string text = format(image);
        Check(!text.empty() && parse(text) == image);
    } catch (const EConvertError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view value(reinterpret_cast<const char*>(data), size);
    ClassifyImageValue(value);
    RoundTrip(value, ParseBorderValue, FormatBorderValue);
    RoundTrip(value, ParseGlyphValue, FormatGlyphValue);
    RoundTrip(value, ParseTextureValue, FormatTextureValue);

    if (const auto legacy = ParseLegacyValue(value))
        EngineImageValue(*legacy);

    try {
        TsFileImageValue file = ParseFileValue(value);
        FileEngineImageValue(file, 90, 60);
        FileValueImageType(file.Kind);
        IsFileValueImageName(file.FileName);
        const std::string text = FormatFileValue(file);
        if (!text.empty()) {
            file.FileName = UpperCaseAscii(file.FileName);
            Check(ParseFileValue(text) == file);
        }
    } catch (const EConvertError&) {
    }

    try {
        TsGradArray steps;
        ParseGradientData(value, steps);
        TsGradArray again;
        ParseGradientData(FormatGradientData(steps), again);
        Check(again.size() == steps.size());
        for (std::size_t i = 0; i < steps.size(); ++i)
            Check(again[i].Color1 == steps[i].Color1 && again[i].Color2 == steps[i].Color2
                  && again[i].Percent == steps[i].Percent && again[i].Mode == steps[i].Mode);
    } catch (const EConvertError&) {
    }

    int number = 0;
    TryStrToSkinInt(value, number);
    double real = 0;
    if (TryStrToSkinFloat(value, real)) {
        double back = 0;
        Check(TryStrToSkinFloat(SkinFloatToStr(real), back) && back == real);
    }
    return 0;
}
