// Loading a skin from arbitrary "Options.dat" text. The skin is packed in
// memory with a small master bitmap and a glow PNG, so image values can
// reach real decoders; text after a line "[[COMMON]]" becomes the common
// sections. Then every look-up runs over whatever was loaded.

#include "engine/sSkinLoader.h"
#include "graphics/BmpWriter.h"
#include "skinfiles/TMemIniFile.h"
#include "skinfiles/ovSkinPack.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

const std::uint8_t GlowPng[] = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00,
    0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00, 0x00, 0xF4, 0x22, 0x7F, 0x8A, 0x00, 0x00, 0x00,
    0x0E, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0xF8, 0x0F, 0x02, 0x0C, 0x0C, 0x0D, 0x00, 0x1E, 0x6B, 0x05,
    0x7C, 0x97, 0xE9, 0x7E, 0x84, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};

TovSkinConvertor MakeArchive()
{
    TovSkinConvertor archive;
    archive.ImageItems.push_back({"MASTER.BMP", true, EncodeBmp(FilledPaletteImage(64, 32, 0x336699))});
    archive.ImageItems.push_back({"GLOW.PNG", false, {GlowPng, GlowPng + sizeof GlowPng}});
    archive.ItemCount = int(archive.ImageItems.size());
    return archive;
}

std::vector<std::string> Lines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

void ExerciseLookups(TsSkinModel& model)
{
    model.FillStdIndexes();
    for (int i = 0; i < int(model.MaskArray.size()); ++i) {
        model.MaskCellSize(i);
        model.MaskWL(i);
        model.MaskWT(i);
        model.MaskWR(i);
        model.MaskWB(i);
    }
    for (int i = 0; i < int(model.SectionArray.size()); ++i) {
        const std::string& name = model.SectionArray[std::size_t(i)].SectionName;
        model.TextureIndexOf(i, name, "PATTERN");
        model.PatternIndexOf(i, name, "PATTERN");
    }
    model.GlobalColor();
    model.MenuHotFontColor();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const TovSkinConvertor archive = MakeArchive();
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find("\n[[COMMON]]\n");

    TMemIniFile document;
    document.SetText(input.substr(0, split));
    TsSkinModel model;
    model.PackedSource = true;
    TsSkinLoadContext context{model};
    context.SkinDocument = &document;
    context.Archive = &archive;
    context.HueOffset = int(size % 720) - 360;
    context.Saturation = int(size % 203) - 101;
    if (split != std::string_view::npos)
        context.CommonSections = Lines(input.substr(split + 12));
    try {
        LoadSkinModel(context);
    } catch (const ESkinConvertError&) {
        // The load ends there; what was filled must still be safe to use.
    }
    ExerciseLookups(model);
    return 0;
}
