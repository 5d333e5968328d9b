#pragma once

#include "engine/TsSkinModel.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

class TMemIniFile;
class TovSkinConvertor;
struct TsStoredSkin;

// A value that had to be a number and is not: the load stops there. Carries
// where it was found so that it can be reported once, whole.
class ESkinConvertError : public std::runtime_error
{
public:
    ESkinConvertError(std::string section, std::string key, std::string value);

    const std::string Section;
    const std::string Key;
    const std::string Value;
};

// What a load says besides its result: the version notices (for the user),
// and, for whoever checks skins, the images and files it had to skip.
enum class TsLoadNoteKind { VersionNotice, SkippedImage };
using TsLoadNotes = std::function<void(TsLoadNoteKind kind, const std::string& text)>;

// Everything one load reads. Exactly one of SkinDocument (an options file,
// its images in the folder SkinPath or in Archive) and StoredSkin (a built-in
// skin in the legacy form) is set.
struct TsSkinLoadContext
{
    explicit TsSkinLoadContext(TsSkinModel& model) : Model(model) {}

    TsSkinModel& Model;
    TsSkinManager* Manager = nullptr; // stamped on every image
    const TMemIniFile* SkinDocument = nullptr;
    const TovSkinConvertor* Archive = nullptr; // images of a packed skin
    const TsStoredSkin* StoredSkin = nullptr;
    std::string SkinName; // for the version notice
    std::vector<std::string> CommonSections; // INI lines added to every skin
    int HueOffset = 0;
    int Saturation = 0;
    TsLoadNotes Notes;
};

// The three loaders, run in this order; each first clears its part of the
// model. SkinData.SkinPath and PackedSource must be set before.
void LoadAllMasks(TsSkinLoadContext& context);
void LoadAllPatterns(TsSkinLoadContext& context);
void LoadAllGeneralData(TsSkinLoadContext& context);
void LoadSkinModel(TsSkinLoadContext& context);

// Skin-wide version notices; "" when the version needs none.
std::string VersionNotice(double version);

// Loads the skin folder (which holds "Options.dat") into model, with no
// common sections and no colour change. Returns "" or why nothing was loaded;
// conversion errors throw ESkinConvertError.
std::string LoadSkinFolder(TsSkinModel& model, const std::string& folder, TsLoadNotes notes = {});
// The same for a packed skin file; SkinPath becomes the file's folder.
std::string LoadSkinArchive(TsSkinModel& model, const std::string& fileName, TsLoadNotes notes = {});
