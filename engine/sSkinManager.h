#pragma once

#include "engine/TsSkinModel.h"
#include "engine/sSkinLoader.h"
#include "engine/sStoredSkins.h"
#include "engine/sVersion.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Which windows get skinned.
enum TovSkinningRule : std::uint8_t { srStdForms = 1, srStdDialogs = 2, srThirdParty = 4 };
using TovSkinningRules = std::uint8_t;

enum TovBtnEffect : std::uint8_t { beMouseEnter = 1, beMouseLeave = 2, beMouseDown = 4, beMouseUp = 8 };

struct TovBtnEffects
{
    std::uint8_t Events = beMouseEnter | beMouseLeave | beMouseDown | beMouseUp;
};

struct TovWindowAnimation
{
    bool Active = true;
    std::uint16_t Time = 0; // milliseconds
};

struct TovAnimEffects
{
    TovBtnEffects Buttons;
    TovWindowAnimation DialogShow;
    TovWindowAnimation FormShow;
    TovWindowAnimation PageChange;
    TovWindowAnimation SkinChanging{true, 100};
};

struct TovMenuSupport
{
    std::string IcoLineSkin; // "ICOLINE" when empty after loading
    bool UseExtraLine = false;
    int ExtraLineWidth = 32;
    std::string ExtraLineFontName; // "" = the application font
    int ExtraLineFontHeight = -11;
};

// Class names of controls skinned although they are not skinned controls,
// one list per category, each a text of one name per line.
constexpr int ThirdPartyCount = 17;
struct TsThirdPartyList
{
    std::array<std::string, ThirdPartyCount> Lists;
    static const std::array<const char*, ThirdPartyCount> PropertyNames; // "ThirdEdits" ...
    static std::string DefaultOf(int index); // " ", "TButton" for ThirdButtons
};

// The component that owns the current skin of an application: it chooses and
// loads the skin, adjusts its colours, keeps the model and tells every window
// about skin changes (through the broadcast installed with SetSkinBroadcast).
//
// Setters are the entry points. A conversion error in a skin propagates out
// of the setter that started the load as ESkinConvertError; the skin is then
// not applied (SkinData.Active stays false) and OnAfterChange is not called.
//
// Like a component read from a form, a manager can be configured between
// BeginLoading and Loaded: the skin is loaded when SkinName is set and
// applied once, by Loaded.
class TsSkinManager : public QObject, public TsSkinModel
{
    Q_OBJECT

public:
    explicit TsSkinManager(QObject* owner = nullptr);
    ~TsSkinManager() override;

    bool Active() const { return active_; }
    void SetActive(bool value);
    const std::string& SkinDirectory() const { return skinDirectory_; }
    void SetSkinDirectory(const std::string& value);
    const std::string& SkinName() const { return skinName_; }
    void SetSkinName(const std::string& value);
    const TsStoredSkins& InternalSkins() const { return internalSkins_; }
    void SetInternalSkins(const TsStoredSkins& value);
    const std::vector<std::string>& CommonSections() const { return commonSections_; }
    void SetCommonSections(const std::vector<std::string>& lines);
    int HueOffset() const { return hueOffset_; }
    void SetHueOffset(int value);
    int Saturation() const { return saturation_; }
    void SetSaturation(int value);
    bool IsDefault() const;
    void SetIsDefault(bool value);
    bool SkinnedPopups() const { return skinnedPopups_; }
    void SetSkinnedPopups(bool value) { skinnedPopups_ = value; }
    bool AllowGlowing() const { return allowGlowing_; }
    void SetAllowGlowing(bool value) { allowGlowing_ = value; }
    TovSkinningRules SkinningRules() const { return skinningRules_; }
    void SetSkinningRules(TovSkinningRules value) { skinningRules_ = value; }
    const TsThirdPartyList& ThirdParty() const { return thirdParty_; }
    void SetThirdParty(const TsThirdPartyList& value);
    // The class names of one ThirdParty category, as the controls match them.
    const std::vector<std::string>& ThirdPartyClasses(int index) const;
    TovAnimEffects AnimEffects;
    TovMenuSupport MenuSupport;

    // The loaded skin's version with "." as separator, or "N/A" without an active skin.
    std::string SkinInfo() const;
    static std::string Version() { return SkinEngineVersion; }

    std::function<void(TsSkinManager*)> OnBeforeChange;
    std::function<void(TsSkinManager*)> OnAfterChange;

    void BeginLoading();
    void Loaded();

    std::string ResolvedSkinDirectory() const;
    std::string NormalizedSkinDirectory() const;
    // Names of the built-in skins (collection order) and the skins found in
    // the skin directory (filter: 0 folders, 1 packed files, 2 both), sorted;
    // returns the first built-in name, else the first name found.
    std::string GetAllSkinNames(std::vector<std::string>& names, int filter) const;
    std::string GetSkinNames(std::vector<std::string>& names, int filter) const;

    // The window under the mouse: the previous one is told the mouse left
    // (sub-command 30), the new one that it entered (29).
    void SetHotWindow(QObject* window);
    QObject* HotWindow() const { return hotWindow_; }

    // Tells every window to repaint in the current skin (sub-commands 16, 3).
    void RepaintAllWindows();

    // The default manager: the first created, until another is made default.
    static TsSkinManager* DefaultManager();
    // True while a manager loads a skin: no fading animation starts then.
    static bool SkinLoading();
    // True while a new skin is announced to the windows.
    static bool SkinApplying();
    // True while a skin is being removed from the windows.
    static bool SkinRemoving();

    // Where version notices and rejected packed skins are reported; nothing
    // is reported without one (programs without a user interface).
    using TsMessageHandler = std::function<void(const std::string& text)>;
    static void SetMessageHandler(TsMessageHandler handler);

private:
    void LoadSkin();
    void LoadFromPackedFile(const std::string& fileName);
    void LoadFromFolderOrBuiltIn();
    void RunLoaders(const TMemIniFile* document, const TovSkinConvertor* archive, const TsStoredSkin* stored);
    void RejectArchive(const std::string& error);
    void Reload();
    void ApplySkin(bool repaint);
    void Deactivate();
    void Broadcast(int subCommand);
    void ApplyThirdPartyDefaults();
    void CopyThirdPartyLists();

    bool active_ = true;
    std::string skinDirectory_;
    std::string skinName_;
    TsStoredSkins internalSkins_;
    std::vector<std::string> commonSections_;
    int hueOffset_ = 0;
    int saturation_ = 0;
    bool skinnedPopups_ = true;
    bool allowGlowing_ = true;
    TovSkinningRules skinningRules_ = srStdForms | srStdDialogs | srThirdParty;
    TsThirdPartyList thirdParty_;
    std::array<std::vector<std::string>, ThirdPartyCount> thirdPartyClasses_;
    bool loading_ = false;
    QPointer<QObject> hotWindow_;
};
