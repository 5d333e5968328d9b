#include "engine/sSkinManager.h"

#include "engine/sSkinCommand.h"
#include "skinfiles/FolderListing.h"
#include "skinfiles/TMemIniFile.h"
#include "skinfiles/ovSkinPack.h"
#include "skinfiles/sSkinSources.h"
#include "skinfiles/sStoreUtils.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace {

// Process-wide state shared by all managers; skin changes never overlap.
TsSkinManager* defaultManager = nullptr;
bool skinLoading = false;
bool skinApplying = false;
bool skinRemoving = false;

TsSkinManager::TsMessageHandler& MessageHandler()
{
    static TsSkinManager::TsMessageHandler handler;
    return handler;
}

void Report(const std::string& text)
{
    if (MessageHandler())
        MessageHandler()(text);
}

// Sets a process-wide flag for the life of a scope, also when a load throws.
class TFlagScope
{
public:
    explicit TFlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~TFlagScope() { flag_ = false; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& flag_;
};

bool FileExists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// The folder of the running program with a trailing "/", which relative skin
// directories start from; VESPIRA_PROGRAM_DIR overrides it as for every program.
std::string ProgramFolder()
{
    const char* overridden = std::getenv("VESPIRA_PROGRAM_DIR");
    if (overridden && *overridden)
        return IncludeTrailingSeparator(overridden);
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string("./") : IncludeTrailingSeparator(program.parent_path().string());
}

void SetDocumentText(TMemIniFile& document, const std::vector<std::uint8_t>& bytes)
{
    document.SetText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

} // namespace

const std::array<const char*, ThirdPartyCount> TsThirdPartyList::PropertyNames = {
    "ThirdEdits", "ThirdButtons", "ThirdBitBtns", "ThirdCheckBoxes", "ThirdComboBoxes", "ThirdGrids",
    "ThirdGroupBoxes", "ThirdListViews", "ThirdPanels", "ThirdTreeViews", "ThirdWWEdits", "ThirdGridEh",
    "ThirdVirtualTrees", "ThirdPageControl", "ThirdTabControl", "ThirdToolBar", "ThirdStatusBar"};

std::string TsThirdPartyList::DefaultOf(int index)
{
    return index == 1 ? "TButton" : " ";
}

TsSkinManager::TsSkinManager(QObject* owner) : QObject(owner)
{
    if (!defaultManager)
        defaultManager = this;
    ApplyThirdPartyDefaults();
    if (skinDirectory_.empty())
        skinDirectory_ = "c:\\Skins";
}

TsSkinManager::~TsSkinManager()
{
    SetActive(false);
    if (defaultManager == this)
        defaultManager = nullptr;
}

void TsSkinManager::SetActive(bool value)
{
    if (value == active_)
        return;
    active_ = value;
    if (value) {
        SetSkinName(skinName_);
        return;
    }
    if (!loading_)
        Deactivate();
    FillStdIndexes();
}

void TsSkinManager::SetSkinDirectory(const std::string& value)
{
    if (value == skinDirectory_)
        return;
    skinDirectory_ = value;
    SkinData.SkinPath = ResolvedSkinDirectory();
}

void TsSkinManager::SetSkinName(const std::string& value)
{
    skinName_ = value;
    if (!active_)
        return;
    if (OnBeforeChange)
        OnBeforeChange(this);
    {
        TFlagScope loadingFlag(skinLoading);
        SkinData.Active = false;
        LoadSkin();
        if (!active_)
            Deactivate();
        else
            ApplySkin(true);
    }
    if (OnAfterChange)
        OnAfterChange(this);
}

void TsSkinManager::SetInternalSkins(const TsStoredSkins& value)
{
    internalSkins_ = value;
}

void TsSkinManager::SetCommonSections(const std::vector<std::string>& lines)
{
    commonSections_ = lines;
    for (std::string& line : commonSections_)
        if (!line.empty() && line.front() != ';')
            line.erase(std::remove(line.begin(), line.end(), ' '), line.end());
    SetSkinName(skinName_);
}

void TsSkinManager::SetHueOffset(int value)
{
    if (value == hueOffset_)
        return;
    hueOffset_ = value;
    Reload();
}

void TsSkinManager::SetSaturation(int value)
{
    if (value == saturation_)
        return;
    saturation_ = value;
    Reload();
}

bool TsSkinManager::IsDefault() const
{
    return defaultManager == this;
}

void TsSkinManager::SetIsDefault(bool value)
{
    if (!value && defaultManager)
        return;
    defaultManager = this;
    if (active_) {
        ApplySkin(true);
        RepaintAllWindows();
    } else {
        Deactivate();
    }
}

void TsSkinManager::SetThirdParty(const TsThirdPartyList& value)
{
    thirdParty_ = value;
    CopyThirdPartyLists();
}

const std::vector<std::string>& TsSkinManager::ThirdPartyClasses(int index) const
{
    return thirdPartyClasses_[std::size_t(index)];
}

std::string TsSkinManager::SkinInfo() const
{
    return SkinData.Active ? SkinFloatToStr(SkinData.Version) : "N/A";
}

void TsSkinManager::BeginLoading()
{
    loading_ = true;
}

void TsSkinManager::Loaded()
{
    loading_ = false;
    if (skinDirectory_.empty())
        skinDirectory_ = "c:\\Skins";
    if (MenuSupport.IcoLineSkin.empty())
        MenuSupport.IcoLineSkin = "ICOLINE";
    ApplyThirdPartyDefaults();
    if (active_ && !skinName_.empty())
        ApplySkin(false);
}

std::string TsSkinManager::ResolvedSkinDirectory() const
{
    return ResolveSkinDirectory(skinDirectory_, ProgramFolder());
}

std::string TsSkinManager::NormalizedSkinDirectory() const
{
    return IncludeTrailingSeparator(skinDirectory_);
}

std::string TsSkinManager::GetSkinNames(std::vector<std::string>& names, int filter) const
{
    return ::GetSkinNames(ResolvedSkinDirectory(), names, filter);
}

std::string TsSkinManager::GetAllSkinNames(std::vector<std::string>& names, int filter) const
{
    std::vector<std::string> found;
    const std::string firstFound = GetSkinNames(found, filter);
    names.clear();
    for (const TsStoredSkin& skin : internalSkins_.Items)
        names.push_back(skin.Name);
    names.insert(names.end(), found.begin(), found.end());
    std::stable_sort(names.begin(), names.end(),
                     [](const std::string& a, const std::string& b) { return CompareTextNoCase(a, b) < 0; });
    return internalSkins_.Empty() ? firstFound : internalSkins_.Items.front().Name;
}

void TsSkinManager::SetHotWindow(QObject* window)
{
    if (window == hotWindow_)
        return;
    QPointer<QObject> previous = hotWindow_;
    hotWindow_ = window;
    const auto self = reinterpret_cast<std::intptr_t>(this);
    if (previous)
        SendSkinCommand(previous, SkinCmdMouseLeaveWindow, self);
    if (window)
        SendSkinCommand(window, SkinCmdMouseEnterWindow, self);
}

void TsSkinManager::RepaintAllWindows()
{
    Broadcast(SkinCmdStopFading);
    Broadcast(SkinCmdRefresh);
}

TsSkinManager* TsSkinManager::DefaultManager()
{
    return defaultManager;
}

bool TsSkinManager::SkinLoading()
{
    return skinLoading;
}

bool TsSkinManager::SkinApplying()
{
    return skinApplying;
}

bool TsSkinManager::SkinRemoving()
{
    return skinRemoving;
}

void TsSkinManager::SetMessageHandler(TsMessageHandler handler)
{
    MessageHandler() = std::move(handler);
}

// A packed file of the name wins over a folder, a folder over a built-in skin.
void TsSkinManager::LoadSkin()
{
    const std::string packed = NormalizedSkinDirectory() + skinName_ + ".vpk";
    if (FileExists(packed)) {
        PackedSource = true;
        LoadFromPackedFile(packed);
    } else {
        LoadFromFolderOrBuiltIn();
    }
}

void TsSkinManager::LoadFromPackedFile(const std::string& fileName)
{
    TovSkinConvertor archive;
    if (const std::string error = LoadPackedFile(fileName, archive, true); !error.empty()) {
        RejectArchive(error);
        return;
    }
    TMemIniFile document;
    SetDocumentText(document, *archive.OptionsData);
    SkinData.SkinPath = IncludeTrailingSeparator(ResolvedSkinDirectory());
    RunLoaders(&document, &archive, nullptr);
}

void TsSkinManager::LoadFromFolderOrBuiltIn()
{
    if (!active_)
        return;
    const std::string folder = IncludeTrailingSeparator(ResolvedSkinDirectory()) + skinName_ + "/";
    if (const std::string options = FindFileNoCase(folder, "Options.dat"); !options.empty()) {
        PackedSource = false;
        TMemIniFile document(options);
        SkinData.SkinPath = folder;
        RunLoaders(&document, nullptr, nullptr);
        return;
    }
    SkinData.SkinPath.clear();
    int index = internalSkins_.IndexOf(skinName_);
    if (index < 0) {
        if (internalSkins_.Empty()) {
            active_ = false;
            return;
        }
        index = 0;
        skinName_ = internalSkins_.Items.front().Name;
    }
    const TsStoredSkin& stored = internalSkins_.Items[std::size_t(index)];
    if (stored.Data.empty()) {
        PackedSource = false;
        RunLoaders(nullptr, nullptr, &stored);
        return;
    }
    PackedSource = true;
    TovSkinConvertor archive;
    archive.Source = stored.Data;
    if (const std::string error = archive.Unpack(); !error.empty()) {
        RejectArchive(error);
        return;
    }
    TMemIniFile document;
    SetDocumentText(document, *archive.OptionsData);
    RunLoaders(&document, &archive, nullptr);
}

// A packed skin that cannot be read is reported and not used: the manager
// stays active with an empty model, so choosing another skin still works.
void TsSkinManager::RejectArchive(const std::string& error)
{
    Report(error);
    ClearModel();
    const std::string skinPath = SkinData.SkinPath;
    SkinData = TsSkinData();
    SkinData.SkinPath = skinPath;
}

void TsSkinManager::RunLoaders(const TMemIniFile* document, const TovSkinConvertor* archive,
                               const TsStoredSkin* stored)
{
    TsSkinLoadContext context{*this};
    context.Manager = this;
    context.SkinDocument = document;
    context.Archive = archive;
    context.StoredSkin = stored;
    context.SkinName = skinName_;
    context.CommonSections = commonSections_;
    context.HueOffset = hueOffset_;
    context.Saturation = saturation_;
    context.Notes = [](TsLoadNoteKind kind, const std::string& text) {
        if (kind == TsLoadNoteKind::VersionNotice)
            Report(text);
    };
    LoadSkinModel(context);
}

// Hue and saturation start again from the colours stored in the skin. The
// windows keep the skin; they are only repainted.
void TsSkinManager::Reload()
{
    if (!SkinData.Active)
        return;
    try {
        TFlagScope loadingFlag(skinLoading);
        LoadSkin();
    } catch (...) {
        // The model is half rebuilt: no window may paint from it.
        SkinData.Active = false;
        throw;
    }
    if (!loading_)
        RepaintAllWindows();
}

void TsSkinManager::ApplySkin(bool repaint)
{
    if (loading_)
        return;
    SkinData.Active = false;
    {
        TFlagScope applying(skinApplying);
        FillStdIndexes();
        Broadcast(SkinCmdSetSkin);
    }
    SkinData.Active = true;
    if (repaint)
        RepaintAllWindows();
}

void TsSkinManager::Deactivate()
{
    TFlagScope removing(skinRemoving);
    SkinData.Active = false;
    Broadcast(SkinCmdRemoveSkin);
    ClearModel();
    ClearStdIndexes();
}

void TsSkinManager::Broadcast(int subCommand)
{
    SkinCommandEvent event(subCommand, 0, reinterpret_cast<std::intptr_t>(this));
    BroadcastToAllForms(event);
}

void TsSkinManager::ApplyThirdPartyDefaults()
{
    for (int i = 0; i < ThirdPartyCount; ++i)
        if (thirdParty_.Lists[std::size_t(i)].empty())
            thirdParty_.Lists[std::size_t(i)] = TsThirdPartyList::DefaultOf(i);
    CopyThirdPartyLists();
}

void TsSkinManager::CopyThirdPartyLists()
{
    for (std::size_t i = 0; i < thirdParty_.Lists.size(); ++i) {
        std::vector<std::string>& classes = thirdPartyClasses_[i];
        classes.clear();
        for (std::string_view line : SplitWords(thirdParty_.Lists[i], "\r\n")) {
            line = TrimText(line);
            if (!line.empty())
                classes.emplace_back(line);
        }
    }
}
