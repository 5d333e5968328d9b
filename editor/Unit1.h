#pragma once

#include "platform/Dialogs.h"
#include "platform/TPathDialog.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QTabWidget;
class QToolButton;
class TBitmap;
class TDirectEditPage;
class TGlobalDataPages;
class TMemIniFile;
class TSectionPages;
class TUpperCaseMemo;

// The editor's main window: the skins menu, the pages that edit the open skin,
// the editor's settings, and the state every page shares (the skin document,
// the current section, the guard flags) with the publication that follows
// every edit.
class TMainForm : public QMainWindow
{
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // Start-up and exit.
    void FormCreate();
    void FormShow();
    void FormClose();
    void ActionExitExecute();
    void PageControlMainChange();

    // The folder of skin sources and the skins in it.
    void ActionSelectDirExecute();
    void ScanSkins();
    void SkinsMenuItemClick(QAction* item);
    // Skin menu items in menu order, the skin (folder) name an item opens, and
    // the menu column an item lands in.
    QList<QAction*> SkinMenuItems() const;
    static QString SkinNameOf(const QAction* item);
    static int SkinMenuColumn(int position);

    // The open skin and its folder.
    void OpenSkin();
    QString SkinFolder() const;
    void CloseSkin();
    // Every page calls this after it has written an edit into the skin document.
    void SkinChanged();
    void PublishSkin();
    // Writes the skin document to its file; a failure is reported.
    void WriteSkinFile();

    // Sections list and property pages.
    void FillSectionList();
    void FillMissedSections();
    void LoadGlobalData();
    // Brings a skin written for an older engine up to date (not while a new
    // skin is being made).
    void UpgradeSkin();
    void ListBoxSectionsClick();
    void TabSheetDirectShow();
    // Section management (defined in Unit1Sections.cpp).
    void ListBoxMissedSectionsClick();
    void sComboBox2Change();
    void sSpeedButton2Click(); // New
    void sSpeedButton3Click(); // Clone
    void sSpeedButton4Click(); // Delete
    void sSpeedButton1Click(); // Clear
    void sSpeedButton6Click(); // <- Add
    void sSpeedButton7Click(); // <<- Add all
    // The "Info" of a section in the standard section list, else its name.
    QString SectionInfo(const QString& name) const;
    QString SectionsIniFileName() const;
    // Fills every property page from the current section.
    void LoadSectionPages();
    // Values of the skin document with PARENTCLASS inheritance; "" and -1
    // while no skin is open.
    QString ReadSectionValue(const QString& section, const QString& key, const QString& def) const;
    int ReadSectionInteger(const QString& section, const QString& key, int def) const;

    // The live preview link: asks the preview program to reload the published
    // skin (starting it if needed), and to close.
    void NotifyDemo();
    void CloseDemo();
    // "Changes preview in the demo" was switched.
    void CheckBoxUpdClick();

    // The editor's settings file, read and written at once.
    QString ReadSettingNow(const char* section, const char* key) const;
    void WriteSettingNow(const char* section, const char* key, const QString& value);

    // Process-wide values set up at start.
    QString ProgramDir;
    QString SettingsFileName;
    QString BaseCaption;
    QString DemoCaption;
    QString SkinsPath;
    QString DemoFileName;
    // Name of the skin the editor itself wears ("AppSkin"); its skin manager
    // takes it over with form skinning.
    QString EditorSkinName;

    // Editor state shared by every page.
    QString CurrentSkinName;
    std::unique_ptr<TMemIniFile> SkinFile;   // the skin document, none while no skin is open
    QString CurrentSection;
    double SkinVersion = 0; // the open skin's format version, after its upgrade
    std::unique_ptr<TBitmap> MasterBitmap;   // the open skin's master bitmap, for the image tools
    bool PageLoading = false;   // controls are being filled: their events write nothing
    bool SkinOpening = false;   // a skin is being opened: edits are not published
    bool NewSkinMaking = false; // "Make new skin" runs: publication neither writes nor notifies
    bool Destroying = false;

    // The section property pages and the global data pages with their controls.
    std::unique_ptr<TSectionPages> SectionPages;
    std::unique_ptr<TGlobalDataPages> GlobalPages;

    // Menus and actions.
    QMenu* File1;
    QAction* Selectfolderwithskinssources1;
    QAction* Makenewskin1;
    QAction* Saveaspacked1;
    QAction* Extraskin1;
    QMenu* SkinsMenu;
    QMenu* About1;
    QAction* ActionSelectDir;
    QAction* ActionExit;
    QAction* ActionClearSection;
    QAction* ActionOptions;

    // Window body.
    QLabel* LabelWelcome1;
    QLabel* LabelWelcome2;
    QLabel* LabelWelcome3;
    QCheckBox* CheckBoxUpd;
    QTabWidget* PageControlMain;

    // " Sections managing ".
    QWidget* TabSheetSections;
    QComboBox* sComboBox2;
    QListWidget* ListBoxSections;
    QToolButton* sSpeedButton2;
    QToolButton* sSpeedButton3;
    QToolButton* sSpeedButton4;
    QToolButton* sSpeedButton1;
    QTabWidget* PageControlSection;
    QWidget* TabSheetInfo;
    QWidget* TabSheetBG;
    QWidget* TabSheetHotBG;
    QWidget* TabSheetFont;
    QWidget* TabSheetHotFont;
    QWidget* TabSheetAnimation;
    QWidget* TabSheetGlyph;
    QWidget* TabSheetTrackBar;
    QWidget* TabSheetCorners;
    TDirectEditPage* TabSheetDirect;
    QLabel* LabelChooseSection;
    QLabel* LabelSectionsAbout;
    QGroupBox* GroupBoxSectionInfo;
    QLabel* LabelSectionInfo;
    QGroupBox* MissedPanel;
    QListWidget* ListBoxMissedSections;
    QToolButton* sSpeedButton6;
    QToolButton* sSpeedButton7;

    // " Global data ".
    QWidget* TabSheetGlobalData;
    QTabWidget* PageControlGlobal;
    QWidget* TabSheetMainInfo;
    QWidget* TabSheetColors;
    QWidget* TabSheetGlyphs1;
    QWidget* TabSheetGlyphs2;
    QWidget* TabSheetShadows;
    QCheckBox* CheckBoxMasterOnly;

    // Glow image counts with their reset buttons: the section's on "Info", the
    // title buttons' on " Glyphs 2 " (made by CreateGlowFields).
    QLineEdit* ComboSectionGlowing;
    QToolButton* CheckSectionGlow;
    QLineEdit* ComboCloseGlowing;
    QToolButton* CheckCloseGlow;
    QLineEdit* ComboMaxGlowing;
    QToolButton* CheckMaxGlow;
    QLineEdit* ComboMinGlowing;
    QToolButton* CheckMinGlow;

    // "Editor options".
    QWidget* TabSheetOptions;
    TUpperCaseMemo* MemoGlyph;
    TUpperCaseMemo* MemoCornerImg;
    TUpperCaseMemo* MemoAnimation;
    TUpperCaseMemo* MemoGlow;
    TUpperCaseMemo* MemoForm;
    TUpperCaseMemo* MemoTrackBar;
    QCheckBox* CheckAutoPack;
    QLineEdit* DirectoryOutput;
    TPathDialog DirectoryOutputDialog;

    // Dialogs the editor asks through the Dialogs service.
    TPathDialog sPathDialog1;
    FileDialogOptions OpenDemoDialog;
    FileDialogOptions OpenPictureDialog1;
    FileDialogOptions SaveDialog1;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct OptionList
    {
        const char* key;
        TUpperCaseMemo* memo;
    };

    void CreateMenus();
    QWidget* CreateSectionsPage();
    QWidget* CreateGlobalDataPage();
    QWidget* CreateOptionsPage();
    void SetUpDialogs();
    QList<OptionList> OptionLists() const;
    void SelectSectionEntry(const QString& name);
    void SelectSectionRow(int row);
    // An input dialog for a section name, upper-cased; an empty name is refused.
    bool AskSectionName(const QString& caption, const QString& prompt, QString& name);
    void SelectNewSection(const QString& name);
    void AddMissedSections(const QStringList& names);
    void WarnNotWritten(const QString& fileName);
};
