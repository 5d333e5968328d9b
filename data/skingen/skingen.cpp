// Generates a built-in skin from its style file: the skin folder (options
// file, master bitmap, glow images) and, when asked, its packed archive.
//
//   skingen STYLE.ini FOLDER [ARCHIVE.vpk]

#include "data/skingen/TSkinBuilder.h"
#include "graphics/BmpWriter.h"
#include "graphics/PngWriter.h"
#include "skinfiles/ovSkinPack.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

namespace {

std::string writeSkin(const TGeneratedSkin& skin, const std::string& folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return "cannot create " + folder;
    if (!skin.Options.SaveToFile(folder + "/Options.dat"))
        return "cannot write " + folder + "/Options.dat";
    for (const TGlowImage& glow : skin.Glows)
        if (std::string error = SavePngFile(folder + "/" + glow.FileName, glow.Image, TPngAlpha::Keep); !error.empty())
            return error;
    return SaveBmpFile(folder + "/" + MasterFileName, skin.Master);
}

int fail(const std::string& message)
{
    std::fprintf(stderr, "skingen: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: skingen STYLE.ini FOLDER [ARCHIVE.vpk]\n");
        return 2;
    }
    const std::string folder = argv[2];
    try {
        TSkinStyle style;
        if (std::string error = style.Load(argv[1]); !error.empty())
            return fail(error);
        if (std::string error = writeSkin(BuildSkin(style), folder); !error.empty())
            return fail(error);
        if (argc == 4)
            if (std::string error = PackFolder(folder, argv[3]); !error.empty())
                return fail(error);
    } catch (const std::exception& e) {
        return fail(e.what());
    }
    return 0;
}
