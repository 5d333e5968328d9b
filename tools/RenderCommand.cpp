#include "tools/RenderCommand.h"

#include "engine/sSkinManager.h"
#include "graphics/PngWriter.h"
#include "graphics/sGraphUtils.h"
#include "render/sSectionPaint.h"
#include "tools/SkinPath.h"

#include <charconv>
#include <cstdio>
#include <optional>

namespace {

int runRender(const std::vector<std::string>& args);

const TToolCommand renderCommand{
    "render", "SKIN --section NAME --size WxH [--state N] [--background RRGGBB] [--out FILE.png]",
    "paint one section of SKIN (a skin folder or a .vpk file) over a background colour (default FFFFFF) "
    "and write it as PNG to FILE.png, or to standard output",
    runRender};

// Large enough for any control, small enough that a typing error cannot eat the memory.
constexpr int MaxSide = 16384;
constexpr long long MaxPixels = 64LL * 1024 * 1024;

struct TRenderOptions
{
    std::string Skin;
    std::string Section;
    int Width = 0;
    int Height = 0;
    int State = 0;
    TColor Background = clWhite;
    std::string Out;
};

std::optional<int> ParseInt(std::string_view text, int base = 10)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

bool ParseSize(std::string_view text, int& width, int& height)
{
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string_view::npos)
        return false;
    const auto w = ParseInt(text.substr(0, x)), h = ParseInt(text.substr(x + 1));
    if (!w || !h || *w < 1 || *h < 1 || *w > MaxSide || *h > MaxSide || (long long)*w * *h > MaxPixels)
        return false;
    width = *w;
    height = *h;
    return true;
}

std::optional<TColor> ParseHexColour(std::string_view text)
{
    if (text.size() != 6 || text.find_first_of("+-") != std::string_view::npos)
        return std::nullopt;
    const auto rgb = ParseInt(text, 16);
    if (!rgb)
        return std::nullopt;
    return RGBColor(std::uint8_t(*rgb >> 16), std::uint8_t(*rgb >> 8), std::uint8_t(*rgb));
}

// False on anything the usage line does not allow.
bool ParseOptions(const std::vector<std::string>& args, TRenderOptions& options)
{
    if (args.empty() || args[0].starts_with("--"))
        return false;
    options.Skin = args[0];
    bool haveSection = false, haveSize = false;
    for (std::size_t i = 1; i < args.size(); i += 2) {
        if (i + 1 >= args.size())
            return false;
        const std::string& name = args[i];
        const std::string& value = args[i + 1];
        if (name == "--section") {
            options.Section = value;
            haveSection = !value.empty();
        } else if (name == "--size") {
            haveSize = ParseSize(value, options.Width, options.Height);
            if (!haveSize)
                return false;
        } else if (name == "--state") {
            const auto state = ParseInt(value);
            if (!state || *state < 0)
                return false;
            options.State = *state;
        } else if (name == "--background") {
            const auto colour = ParseHexColour(value);
            if (!colour)
                return false;
            options.Background = *colour;
        } else if (name == "--out") {
            options.Out = value;
        } else {
            return false;
        }
    }
    return haveSection && haveSize;
}

// Loads the skin into the manager, whose master bitmap the images are then
// cut from; "" or why it could not be loaded.
std::string LoadSkin(TsSkinManager& manager, const std::string& skin)
{
    std::string failure = LoadSkinPath(manager, skin);
    for (TsMaskData& mask : manager.MaskArray)
        mask.Manager = &manager;
    return failure;
}

int WritePng(const TBitmap& bitmap, const std::string& out)
{
    if (!out.empty()) {
        if (std::string error = SavePngFile(out, bitmap); !error.empty())
            return FailWith(error);
        return exitSuccess;
    }
    const std::vector<std::uint8_t> bytes = EncodePng(bitmap);
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0)
        return FailWith("cannot write the image to standard output");
    return exitSuccess;
}

int runRender(const std::vector<std::string>& args)
{
    TRenderOptions options;
    if (!ParseOptions(args, options))
        return WrongUsage(renderCommand);
    TsSkinManager manager;
    try {
        if (std::string error = LoadSkin(manager, options.Skin); !error.empty())
            return FailWith(error);
    } catch (const ESkinConvertError& e) {
        return FailWith(e.what());
    }
    const int section = manager.SectionIndexOf(options.Section);
    if (section < 0)
        return FailWith("no section " + options.Section + " in " + options.Skin);
    TBitmap bitmap = NewBitmap24(options.Width, options.Height);
    const TRect whole{0, 0, options.Width, options.Height};
    FillRectColor(bitmap, whole, options.Background);
    PaintSectionItem(section, options.Section, MakeBackgroundRef(&bitmap, 0, 0), -1, -1, &manager, bitmap, TPoint{0, 0},
                     whole, options.State, true);
    return WritePng(bitmap, options.Out);
}

} // namespace

std::vector<TToolCommand> RenderCommands()
{
    return {renderCommand};
}
