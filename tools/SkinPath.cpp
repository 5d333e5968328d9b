#include "tools/SkinPath.h"

#include <filesystem>

std::string LoadSkinPath(TsSkinModel& model, const std::string& skin, TsLoadNotes notes)
{
    std::error_code error;
    if (std::filesystem::is_directory(skin, error))
        return LoadSkinFolder(model, skin, std::move(notes));
    if (std::filesystem::is_regular_file(skin, error))
        return LoadSkinArchive(model, skin, std::move(notes));
    return skin + " is neither a skin folder nor a packed skin file";
}
