#include "editor/Unit1.h"

#include "editor/DemoLink.h"
#include "editor/SkinUpgrade.h"
#include "editor/TDirectEditPage.h"
#include "editor/TGlobalDataPages.h"
#include "editor/TSectionPages.h"
#include "editor/TUpperCaseMemo.h"
#include "editor/UnitGlowing.h"
#include "engine/sVersion.h"
#include "graphics/TBitmap.h"
#include "platform/FileNames.h"
#include "platform/ProcessMessages.h"
#include "platform/ProgramFolder.h"
#include "platform/TRegistry.h"
#include "skinfiles/FolderListing.h"
#include "skinfiles/TMemIniFile.h"
#include "skinfiles/sSkinSources.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <clocale>

namespace {

const QString globalInfoSection = QStringLiteral("GLOBALINFO");
const QString registryKey = QStringLiteral("Software\\Vespira\\Editor");
constexpr int skinsPerMenuColumn = 20;

const QStringList defaultOptionGlyph = {
    QStringLiteral("COMBOBOX"),      QStringLiteral("SCROLLBAR1H"),    QStringLiteral("SCROLLBAR1V"),
    QStringLiteral("SCROLLBAR2H"),   QStringLiteral("SCROLLBAR2V"),    QStringLiteral("SCROLLSLIDERV"),
    QStringLiteral("SCROLLSLIDERH"), QStringLiteral("SCROLLBTNLEFT"),  QStringLiteral("SCROLLBTNTOP"),
    QStringLiteral("SCROLLBTNRIGHT"), QStringLiteral("SCROLLBTNBOTTOM")};
const QStringList defaultOptionCornerImg = {
    QStringLiteral("FORM"),    QStringLiteral("DIALOG"),   QStringLiteral("MAINMENU"), QStringLiteral("MENULINE"),
    QStringLiteral("EDIT"),    QStringLiteral("PANEL"),    QStringLiteral("PANEL_LOW"), QStringLiteral("TOOLBAR"),
    QStringLiteral("BAR"),     QStringLiteral("BARTITLE"), QStringLiteral("BARPANEL"), QStringLiteral("MDIAREA")};
const QStringList defaultOptionAnimation = {
    QStringLiteral("BUTTON"),   QStringLiteral("BUTTON_BIG"),        QStringLiteral("SPEEDBUTTON"),
    QStringLiteral("TOOLBUTTON"), QStringLiteral("TRACKBAR"),        QStringLiteral("SPEEDBUTTON_SMALL"),
    QStringLiteral(" "),        QStringLiteral(" ")};
const QStringList defaultOptionGlow = {
    QStringLiteral("SPEEDBUTTON"), QStringLiteral("BUTTON"),   QStringLiteral("BUTTON_BIG"),
    QStringLiteral("BUTTONHUGE"),  QStringLiteral("TOOLBUTTON"), QStringLiteral("EDIT"),
    QStringLiteral("COMBOBOX"),    QStringLiteral("ORVACOMBOBOX"), QStringLiteral("ORVAEDIT")};
const QStringList defaultOptionForm = {QStringLiteral("FORM")};
const QStringList defaultOptionTrackBar = {QStringLiteral("TRACKBAR")};

const QStringList sectionFilters = {
    QStringLiteral("- All sections"),        QStringLiteral("- Forms"),          QStringLiteral("- Containers"),
    QStringLiteral("- Buttons"),             QStringLiteral("- Scrollbar elements"), QStringLiteral("- Edit controls"),
    QStringLiteral("- Menu elements"),       QStringLiteral("- Tabbed controls"), QStringLiteral("- Misc. elements")};

template <typename Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QWidget* addPage(QTabWidget* pages, const char* name, const QString& caption)
{
    QWidget* page = named(new QWidget, name);
    pages->addTab(page, caption);
    return page;
}

QToolButton* flatButton(const char* name, const QString& caption)
{
    QToolButton* button = named(new QToolButton, name);
    button->setText(caption);
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return button;
}

QLabel* wrappedLabel(const char* name, const QString& text)
{
    QLabel* label = named(new QLabel(text), name);
    label->setWordWrap(true);
    return label;
}

// Floating-point values are read and written with "." whatever the locale.
void UseDecimalPoint()
{
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
}

QString latin1(const std::string& text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

std::string latin1(const QString& text) { return text.toLatin1().toStdString(); }

QStringList latin1Lines(const std::vector<std::string>& lines)
{
    QStringList result;
    for (const std::string& line : lines)
        result.append(latin1(line));
    return result;
}

std::vector<std::string> latin1Lines(const QStringList& lines)
{
    std::vector<std::string> result;
    for (const QString& line : lines)
        result.push_back(latin1(line));
    return result;
}

QString engineVersionWithoutBeta()
{
    QString version = QString::fromLatin1(SkinEngineVersion);
    const qsizetype beta = version.indexOf(QStringLiteral(" beta"));
    if (beta >= 0)
        version.remove(beta, 5);
    return version;
}

} // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Vespira Editor v"));
    resize(584, 425);
    setMinimumSize(584, 400);

    CreateMenus();

    QWidget* body = new QWidget;
    QVBoxLayout* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(4, 4, 4, 0);
    bodyLayout->setSpacing(2);
    LabelWelcome1 = named(new QLabel(QStringLiteral("Welcome to the Vespira edit tool!")), "LabelWelcome1");
    QFont welcomeFont = LabelWelcome1->font();
    welcomeFont.setBold(true);
    LabelWelcome1->setFont(welcomeFont);
    LabelWelcome2 = named(
        new QLabel(QStringLiteral("If is this your first time of work with program - please select directory with skins.")),
        "LabelWelcome2");
    LabelWelcome3 = named(new QLabel(QStringLiteral("And please choose a skin to edit (if exists).")), "LabelWelcome3");
    bodyLayout->addWidget(LabelWelcome1);
    bodyLayout->addWidget(LabelWelcome2);
    bodyLayout->addWidget(LabelWelcome3);

    PageControlMain = named(new QTabWidget, "PageControlMain");
    PageControlMain->setStyleSheet(QStringLiteral("QTabWidget#PageControlMain > QTabBar::tab { height: 24px; }"));
    TabSheetSections = CreateSectionsPage();
    TabSheetGlobalData = CreateGlobalDataPage();
    TabSheetOptions = CreateOptionsPage();
    CreateGlowFields(*this);
    PageControlMain->addTab(TabSheetSections, QStringLiteral(" Sections managing "));
    PageControlMain->addTab(TabSheetGlobalData, QStringLiteral(" Global data "));
    PageControlMain->addTab(TabSheetOptions, QStringLiteral("Editor options"));
    PageControlMain->setEnabled(false);
    connect(PageControlMain, &QTabWidget::currentChanged, this, [this] { PageControlMainChange(); });
    connect(PageControlMain, &QTabWidget::currentChanged, this, [this] { TabSheetDirect->PageChanged(); });

    CheckBoxUpd = named(new QCheckBox(QStringLiteral("Changes preview in the demo")), "CheckBoxUpd");
    CheckBoxUpd->setEnabled(false);
    // Also when a skin's opening sets the box from the settings.
    connect(CheckBoxUpd, &QCheckBox::toggled, this, [this] { CheckBoxUpdClick(); });
    PageControlMain->setCornerWidget(CheckBoxUpd, Qt::TopRightCorner);
    bodyLayout->addWidget(PageControlMain, 1);
    setCentralWidget(body);

    named(statusBar(), "StatusBar1");
    SectionPages = std::make_unique<TSectionPages>(*this);
    GlobalPages = std::make_unique<TGlobalDataPages>(*this);
    SetUpDialogs();
    FormCreate();
}

TMainForm::~TMainForm()
{
    Destroying = true;
    // The child widgets outlive this part of the window and may still signal
    // while they are torn down.
    disconnect(ListBoxSections, nullptr, this, nullptr);
    disconnect(ListBoxMissedSections, nullptr, this, nullptr);
    disconnect(sComboBox2, nullptr, this, nullptr);
    disconnect(PageControlMain, nullptr, this, nullptr);
    disconnect(PageControlSection, nullptr, this, nullptr);
}

void TMainForm::CreateMenus()
{
    ActionSelectDir = named(new QAction(QStringLiteral("Skins diectory changing"), this), "ActionSelectDir");
    ActionExit = named(new QAction(QStringLiteral("Exit"), this), "ActionExit");
    ActionClearSection = named(new QAction(QStringLiteral("Clear section"), this), "ActionClearSection");
    ActionOptions = named(new QAction(QStringLiteral("Options"), this), "ActionOptions");
    ActionOptions->setVisible(false);
    connect(ActionSelectDir, &QAction::triggered, this, [this] { ActionSelectDirExecute(); });
    connect(ActionExit, &QAction::triggered, this, [this] { ActionExitExecute(); });

    File1 = named(menuBar()->addMenu(QStringLiteral("File")), "File1");
    Selectfolderwithskinssources1 = named(File1->addAction(QStringLiteral("Select folder with skins (sources)")),
                                          "Selectfolderwithskinssources1");
    connect(Selectfolderwithskinssources1, &QAction::triggered, ActionSelectDir, &QAction::trigger);
    Makenewskin1 = named(File1->addAction(QStringLiteral("Make new skin")), "Makenewskin1");
    Makenewskin1->setEnabled(false);
    Saveaspacked1 = named(File1->addAction(QStringLiteral("Save as packed...")), "Saveaspacked1");
    Saveaspacked1->setEnabled(false);
    Extraskin1 = named(File1->addAction(QStringLiteral("Extract packed skin")), "Extraskin1");
    File1->addAction(ActionOptions);
    File1->addSeparator();
    File1->addAction(ActionExit);

    SkinsMenu = named(menuBar()->addMenu(QStringLiteral("Available unpacked skins")), "SkinsMenu");
    SkinsMenu->setEnabled(false);
    About1 = named(menuBar()->addMenu(QStringLiteral("About")), "About1");
    About1->setEnabled(false);
    About1->menuAction()->setVisible(false);
}

QWidget* TMainForm::CreateSectionsPage()
{
    QWidget* page = named(new QWidget, "TabSheetSections");
    QHBoxLayout* layout = new QHBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);

    QVBoxLayout* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Filter :")));
    sComboBox2 = named(new QComboBox, "sComboBox2");
    sComboBox2->addItems(sectionFilters);
    left->addWidget(sComboBox2);
    ListBoxSections = named(new QListWidget, "ListBoxSections");
    connect(ListBoxSections, &QListWidget::itemSelectionChanged, this, [this] { ListBoxSectionsClick(); });
    connect(sComboBox2, &QComboBox::currentIndexChanged, this, [this] { sComboBox2Change(); });
    left->addWidget(ListBoxSections, 1);
    left->addWidget(new QLabel(QStringLiteral("Operations :")));
    QGridLayout* operations = new QGridLayout;
    operations->setSpacing(0);
    sSpeedButton2 = flatButton("sSpeedButton2", QStringLiteral("New"));
    sSpeedButton3 = flatButton("sSpeedButton3", QStringLiteral("Clone"));
    sSpeedButton4 = flatButton("sSpeedButton4", QStringLiteral("Delete"));
    sSpeedButton1 = flatButton("sSpeedButton1", QStringLiteral("Clear"));
    connect(sSpeedButton2, &QToolButton::clicked, this, [this] { sSpeedButton2Click(); });
    connect(sSpeedButton3, &QToolButton::clicked, this, [this] { sSpeedButton3Click(); });
    connect(sSpeedButton4, &QToolButton::clicked, this, [this] { sSpeedButton4Click(); });
    connect(sSpeedButton1, &QToolButton::clicked, this, [this] { sSpeedButton1Click(); });
    operations->addWidget(sSpeedButton2, 0, 0);
    operations->addWidget(sSpeedButton3, 0, 1);
    operations->addWidget(sSpeedButton4, 1, 0);
    operations->addWidget(sSpeedButton1, 1, 1);
    left->addLayout(operations);
    layout->addLayout(left, 2);

    QVBoxLayout* right = new QVBoxLayout;
    PageControlSection = named(new QTabWidget, "PageControlSection");
    PageControlSection->setUsesScrollButtons(true);
    TabSheetInfo = addPage(PageControlSection, "TabSheetInfo", QStringLiteral("Info"));
    TabSheetBG = addPage(PageControlSection, "TabSheetBG", QStringLiteral(" BG "));
    TabSheetHotBG = addPage(PageControlSection, "TabSheetHotBG", QStringLiteral(" 'Hot' BG "));
    TabSheetFont = addPage(PageControlSection, "TabSheetFont", QStringLiteral(" Font "));
    TabSheetHotFont = addPage(PageControlSection, "TabSheetHotFont", QStringLiteral(" 'Hot' font "));
    TabSheetAnimation = addPage(PageControlSection, "TabSheetAnimation", QStringLiteral("Animation"));
    TabSheetGlyph = addPage(PageControlSection, "TabSheetGlyph", QStringLiteral(" Glyph "));
    TabSheetTrackBar = addPage(PageControlSection, "TabSheetTrackBar", QStringLiteral(" TrackBar data "));
    TabSheetCorners = addPage(PageControlSection, "TabSheetCorners", QStringLiteral("Corners Images"));
    TabSheetDirect = named(new TDirectEditPage(*this), "TabSheetDirect");
    PageControlSection->addTab(TabSheetDirect, QStringLiteral(" Direct editing "));
    connect(PageControlSection, &QTabWidget::currentChanged, this, [this] { TabSheetDirect->PageChanged(); });
    QVBoxLayout* info = new QVBoxLayout(TabSheetInfo);
    LabelChooseSection = wrappedLabel("LabelChooseSection",
                                      QStringLiteral("For changing of this properties please choose needed SkinSection"));
    LabelSectionsAbout = wrappedLabel(
        "LabelSectionsAbout",
        QStringLiteral("At the left are listed a standard skin elements (SkinSections), which uses in Vespira. Each "
                       "SkinSection contains properties for skinning of the control with SkinData.SkinSection property "
                       "defined to this SkinSection (or it's may be piece of a control, for example PROGRESSH is a skin "
                       "for progress in the TsGauge control)."));
    info->addWidget(LabelChooseSection);
    info->addWidget(LabelSectionsAbout);
    info->addStretch(1);
    right->addWidget(PageControlSection, 1);

    QHBoxLayout* bottom = new QHBoxLayout;
    GroupBoxSectionInfo = named(new QGroupBox(QStringLiteral("Current section info :")), "GroupBoxSectionInfo");
    QVBoxLayout* infoBox = new QVBoxLayout(GroupBoxSectionInfo);
    LabelSectionInfo = wrappedLabel("LabelSectionInfo", QString());
    LabelSectionInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    infoBox->addWidget(LabelSectionInfo);
    bottom->addWidget(GroupBoxSectionInfo, 3);

    MissedPanel = named(new QGroupBox(QStringLiteral("Missed sections :")), "MissedPanel");
    QVBoxLayout* missed = new QVBoxLayout(MissedPanel);
    ListBoxMissedSections = named(new QListWidget, "ListBoxMissedSections");
    missed->addWidget(ListBoxMissedSections, 1);
    QHBoxLayout* missedButtons = new QHBoxLayout;
    sSpeedButton6 = flatButton("sSpeedButton6", QStringLiteral("<- Add"));
    sSpeedButton7 = flatButton("sSpeedButton7", QStringLiteral("<<- Add all"));
    sSpeedButton6->setEnabled(false);
    sSpeedButton7->setEnabled(false);
    connect(ListBoxMissedSections, &QListWidget::itemSelectionChanged, this, [this] { ListBoxMissedSectionsClick(); });
    connect(sSpeedButton6, &QToolButton::clicked, this, [this] { sSpeedButton6Click(); });
    connect(sSpeedButton7, &QToolButton::clicked, this, [this] { sSpeedButton7Click(); });
    missedButtons->addWidget(sSpeedButton6);
    missedButtons->addWidget(sSpeedButton7);
    missed->addLayout(missedButtons);
    bottom->addWidget(MissedPanel, 2);
    QWidget* bottomRow = new QWidget;
    bottomRow->setLayout(bottom);
    bottom->setContentsMargins(0, 0, 0, 0);
    bottomRow->setFixedHeight(110);
    right->addWidget(bottomRow);
    layout->addLayout(right, 5);
    return page;
}

QWidget* TMainForm::CreateGlobalDataPage()
{
    QWidget* page = named(new QWidget, "TabSheetGlobalData");
    QVBoxLayout* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    PageControlGlobal = named(new QTabWidget, "PageControlGlobal");
    TabSheetMainInfo = addPage(PageControlGlobal, "TabSheetMainInfo", QStringLiteral(" Main info "));
    TabSheetColors = addPage(PageControlGlobal, "TabSheetColors", QStringLiteral(" Colors "));
    TabSheetGlyphs1 = addPage(PageControlGlobal, "TabSheetGlyphs1", QStringLiteral(" Glyphs 1 "));
    TabSheetGlyphs2 = addPage(PageControlGlobal, "TabSheetGlyphs2", QStringLiteral(" Glyphs 2 "));
    TabSheetShadows = addPage(PageControlGlobal, "TabSheetShadows", QStringLiteral(" Shadows "));
    QVBoxLayout* mainInfo = new QVBoxLayout(TabSheetMainInfo);
    CheckBoxMasterOnly = named(new QCheckBox(QStringLiteral("Use MasterBitmap only")), "CheckBoxMasterOnly");
    mainInfo->addWidget(CheckBoxMasterOnly);
    mainInfo->addStretch(1);
    layout->addWidget(PageControlGlobal);
    return page;
}

QWidget* TMainForm::CreateOptionsPage()
{
    QWidget* page = named(new QWidget, "TabSheetOptions");
    QVBoxLayout* layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(wrappedLabel(
        "LabelOptionLists",
        QStringLiteral("Here may be defined SkinSections for opening of additional tabsheets with appropriate properties :")));

    QGridLayout* lists = new QGridLayout;
    const struct
    {
        TUpperCaseMemo** memo;
        const char* name;
        const char* caption;
        const QStringList* lines;
    } memos[] = {
        {&MemoGlyph, "MemoGlyph", "Glyph", &defaultOptionGlyph},
        {&MemoCornerImg, "MemoCornerImg", "Corner images", &defaultOptionCornerImg},
        {&MemoAnimation, "MemoAnimation", "Animation", &defaultOptionAnimation},
        {&MemoGlow, "MemoGlow", "Glow", &defaultOptionGlow},
        {&MemoForm, "MemoForm", "Form Data", &defaultOptionForm},
        {&MemoTrackBar, "MemoTrackBar", "TrackBar Data", &defaultOptionTrackBar},
    };
    // Three lists to a row, wide enough for the longest section names.
    int position = 0;
    for (const auto& entry : memos) {
        *entry.memo = named(new TUpperCaseMemo, entry.name);
        (*entry.memo)->SetLines(*entry.lines);
        const int row = position / 3 * 2;
        lists->addWidget(new QLabel(QString::fromLatin1(entry.caption)), row, position % 3);
        lists->addWidget(*entry.memo, row + 1, position % 3);
        ++position;
    }
    layout->addLayout(lists, 1);

    CheckAutoPack = named(new QCheckBox(QStringLiteral("AutoSave as packed")), "CheckAutoPack");
    CheckAutoPack->setChecked(true);
    layout->addWidget(CheckAutoPack);
    QHBoxLayout* output = new QHBoxLayout;
    output->addWidget(new QLabel(QStringLiteral("Packed skins directory output")));
    DirectoryOutput = named(new QLineEdit, "DirectoryOutput");
    QAction* browse = DirectoryOutput->addAction(style()->standardIcon(QStyle::SP_DirOpenIcon), QLineEdit::TrailingPosition);
    DirectoryOutputDialog.Caption = QStringLiteral("Packed skins directory output");
    connect(browse, &QAction::triggered, this, [this] {
        DirectoryOutputDialog.Path = DirectoryOutput->text();
        if (DirectoryOutputDialog.Execute())
            DirectoryOutput->setText(DirectoryOutputDialog.Path);
    });
    output->addWidget(DirectoryOutput, 1);
    layout->addLayout(output);
    return page;
}

void TMainForm::SetUpDialogs()
{
    sPathDialog1.Caption = QStringLiteral("Select folder with skins sources :");
    OpenDemoDialog.Title = QStringLiteral("Search VespiraShowcase file");
    OpenDemoDialog.Filter = QStringLiteral("Vespira demo|VespiraShowcase");
    OpenDemoDialog.InitialDir = QStringLiteral(".");
    OpenDemoDialog.FileName = QStringLiteral("VespiraShowcase");
    OpenPictureDialog1.Filter = QStringLiteral("Images (*.bmp, *.jpg)|*.bmp;*.jpg");
    OpenPictureDialog1.InitialDir = QStringLiteral("./Skins");
    OpenPictureDialog1.FileMustExist = true;
    SaveDialog1.DefaultExt = QStringLiteral("*.vpk");
    SaveDialog1.Filter = QStringLiteral("Vespira files|*.vpk|All files|*.*");
    SaveDialog1.OverwritePrompt = true;
}

QList<TMainForm::OptionList> TMainForm::OptionLists() const
{
    return {{"OptionGlyph", MemoGlyph},     {"OptionCornerImg", MemoCornerImg}, {"OptionAnimation", MemoAnimation},
            {"OptionGlow", MemoGlow},       {"OptionForm", MemoForm},           {"OptionTrackBar", MemoTrackBar}};
}

void TMainForm::FormCreate()
{
    sComboBox2->setCurrentIndex(0);
    UseDecimalPoint();

    ProgramDir = ProgramFolder();
    SettingsFileName = ProgramDir + QStringLiteral("VespiraStudio.ini");
    DemoCaption = QStringLiteral("Orvalen preview v") + QString::fromLatin1(SkinEngineVersion);
    setWindowTitle(windowTitle() + engineVersionWithoutBeta());
    BaseCaption = windowTitle();

    const TMemIniFile settings(FileNameBytes(SettingsFileName));
    const QString appSkin = FileNameText(settings.ReadString("Options", "AppSkin", ""));
    if (!appSkin.isEmpty())
        EditorSkinName = appSkin;

    // A position that is not a whole number keeps the default.
    QPoint position = pos();
    if (!settings.ReadString("Options", "MainFormTop", "").empty())
        position.setY(settings.ReadInteger("Options", "MainFormTop", position.y()));
    if (!settings.ReadString("Options", "MainFormLeft", "").empty())
        position.setX(settings.ReadInteger("Options", "MainFormLeft", position.x()));
    move(position);

    SkinsPath = FileNameText(settings.ReadString("Options", "SkinsPath", ""));
    if (SkinsPath.isEmpty())
        ActionSelectDirExecute();

    DemoFileName = FileNameText(settings.ReadString("Options", "DemoFileName", ""));
    DirectoryOutput->setText(FileNameText(settings.ReadString("Options", "OutputPath", "")));

    for (const OptionList& list : OptionLists())
        list.memo->SetLines(latin1Lines(settings.ReadStringList("Editor", list.key, latin1Lines(list.memo->Lines()))));

    CheckBoxMasterOnly->setChecked(latin1(settings.ReadString("Options", "MasterOnly", "")).compare(
                                       QStringLiteral("FALSE"), Qt::CaseInsensitive) != 0);

    if (DemoFileName.isEmpty())
        DemoFileName = ProgramDir + QStringLiteral("VespiraShowcase");
    if (!SkinsPath.isEmpty()) {
        SkinsMenu->setEnabled(true);
        Makenewskin1->setEnabled(true);
    } else {
        SkinsPath = ProgramDir + QStringLiteral("Skins");
    }
    if (QFileInfo(SkinsPath).isDir())
        ScanSkins();
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TMainForm::FormShow() { CurrentSection = globalInfoSection; }

void TMainForm::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

void TMainForm::FormClose()
{
    // For good: nothing may write into the skin while the window is torn down.
    PageLoading = true;
    CloseDemo();
    CloseSkin();

    TMemIniFile settings(FileNameBytes(SettingsFileName));
    settings.WriteString("Options", "AppSkin", FileNameBytes(EditorSkinName));
    settings.WriteInteger("Options", "MainFormTop", y());
    settings.WriteInteger("Options", "MainFormLeft", x());
    settings.WriteString("Options", "SkinsPath", FileNameBytes(SkinsPath));
    settings.WriteString("Options", "OutputPath", FileNameBytes(DirectoryOutput->text()));
    settings.WriteString("Options", "DemoFileName", FileNameBytes(DemoFileName));
    settings.WriteString("Options", "MasterOnly", CheckBoxMasterOnly->isChecked() ? "TRUE" : "FALSE");
    for (const OptionList& list : OptionLists())
        settings.WriteStringList("Editor", list.key, latin1Lines(list.memo->Lines()));
    if (!settings.UpdateFile())
        WarnNotWritten(SettingsFileName);

    MasterBitmap.reset();
}

void TMainForm::ActionExitExecute() { close(); }

void TMainForm::PageControlMainChange()
{
    if (PageControlMain->currentWidget() == TabSheetGlobalData) {
        CurrentSection = globalInfoSection;
        return;
    }
    const QList<QListWidgetItem*> selected = ListBoxSections->selectedItems();
    CurrentSection = selected.isEmpty() ? QString() : selected.constFirst()->text();
}

void TMainForm::ActionSelectDirExecute()
{
    if (QFileInfo(SkinsPath).isDir())
        sPathDialog1.Path = SkinsPath;
    if (sPathDialog1.Execute()) {
        SkinsPath = sPathDialog1.Path;
        WriteSettingNow("Options", "SkinsPath", SkinsPath);
        ScanSkins();
        PublishSkin();
    }
    SkinsMenu->setEnabled(true);
    Makenewskin1->setEnabled(true);
}

void TMainForm::ScanSkins()
{
    SkinsMenu->clear();

    std::vector<std::string> found;
    GetSkinNames(FileNameBytes(SkinsPath), found, skFoldersOnly);
    QStringList names;
    for (const std::string& name : found)
        names.append(FileNameText(name));

    // Menus have no columns here: the first column is the menu itself, every
    // further column of 20 a submenu named after its first and last skin.
    QMenu* column = SkinsMenu;
    for (int position = 0; position < names.size(); ++position) {
        if (position > 0 && position % skinsPerMenuColumn == 0) {
            if (column == SkinsMenu)
                SkinsMenu->addSeparator();
            const QString last = names[std::min<int>(position + skinsPerMenuColumn, names.size()) - 1];
            QString title = names[position] + QStringLiteral(" \u2026 ") + last;
            column = SkinsMenu->addMenu(title.replace(QLatin1Char('&'), QStringLiteral("&&")));
        }
        // The caption shows the folder name as it is ("&" is not a mnemonic
        // here), and the item opens that very folder.
        QAction* item = column->addAction(QString(names[position]).replace(QLatin1Char('&'), QStringLiteral("&&")));
        item->setData(names[position]);
        item->setCheckable(true);
        item->setProperty("MenuColumn", SkinMenuColumn(position));
        connect(item, &QAction::triggered, this, [this, item] { SkinsMenuItemClick(item); });
    }
}

QList<QAction*> TMainForm::SkinMenuItems() const
{
    QList<QAction*> items;
    for (QAction* action : SkinsMenu->actions()) {
        if (action->menu()) {
            items.append(action->menu()->actions());
        } else if (!action->isSeparator()) {
            items.append(action);
        }
    }
    return items;
}

QString TMainForm::SkinNameOf(const QAction* item) { return item->data().toString(); }

int TMainForm::SkinMenuColumn(int position) { return position / skinsPerMenuColumn; }

void TMainForm::SkinsMenuItemClick(QAction* item)
{
    if (SkinFile)
        CloseSkin();
    for (QAction* other : SkinMenuItems())
        other->setChecked(other == item);
    CurrentSkinName = SkinNameOf(item);
    OpenSkin();
}

QString TMainForm::SkinFolder() const { return SkinsPath + QLatin1Char('/') + CurrentSkinName; }

void TMainForm::OpenSkin()
{
    SkinOpening = true;
    std::string optionsFile = FindFileNoCase(FileNameBytes(SkinFolder()), "Options.dat");
    if (optionsFile.empty())
        optionsFile = FileNameBytes(SkinFolder() + QStringLiteral("/Options.dat"));
    SkinFile = std::make_unique<TMemIniFile>(optionsFile);

    const QList<QListWidgetItem*> selected = ListBoxSections->selectedItems();
    const QString rememberedSection = selected.isEmpty() ? QString() : selected.constFirst()->text();
    FillSectionList();
    WriteSettingNow("CurrentWork", "SkinName", CurrentSkinName);
    PageControlMain->setEnabled(true);
    Saveaspacked1->setEnabled(true);
    CheckBoxUpd->setEnabled(true);
    LoadGlobalData();
    PublishSkin();
    setWindowTitle(BaseCaption + QStringLiteral(" - ") + CurrentSkinName);
    CheckBoxUpd->setChecked(ReadSettingNow("Options", "Preview") == QStringLiteral("1"));

    if (!rememberedSection.isEmpty() && ListBoxSections->count() > 0) {
        SelectSectionEntry(rememberedSection);
        ListBoxSectionsClick();
    }
    if (PageControlSection->currentWidget() == TabSheetDirect)
        TabSheetDirectShow();
    if (rememberedSection.isEmpty() && ListBoxSections->count() > 0) {
        SelectSectionRow(0);
        ListBoxSectionsClick();
    }
    FillMissedSections();
    SkinOpening = false;
}

void TMainForm::CloseSkin() { SkinFile.reset(); }

void TMainForm::SkinChanged()
{
    if (SkinOpening || Destroying || PageLoading || CurrentSection.isEmpty())
        return;
    PublishSkin();
}

void TMainForm::PublishSkin()
{
    TRegistry::WriteStrings(registryKey, {{QStringLiteral("SourcesPath"), SkinsPath},
                                          {QStringLiteral("SkinName"), CurrentSkinName}});
    if (NewSkinMaking || !SkinFile)
        return;
    ProcessMessages();
    // What ran meanwhile may have closed the skin.
    if (!SkinFile)
        return;
    WriteSkinFile();
    if (CheckBoxUpd->isChecked())
        NotifyDemo();
}

void TMainForm::WriteSkinFile()
{
    if (!SkinFile->UpdateFile())
        WarnNotWritten(FileNameText(SkinFile->FileName()));
}

void TMainForm::WarnNotWritten(const QString& fileName)
{
    AppDialogs().Warning(QStringLiteral("Could not write ") + fileName + QStringLiteral("; the file was left as it was."));
}

void TMainForm::NotifyDemo() { NotifyOrStartDemo(DemoCaption, DemoFileName, OpenDemoDialog); }

void TMainForm::CloseDemo() { CloseDemoProgram(DemoCaption); }

void TMainForm::CheckBoxUpdClick()
{
    WriteSettingNow("Options", "Preview", CheckBoxUpd->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    if (CheckBoxUpd->isChecked())
        PublishSkin();
    else
        CloseDemo();
}

void TMainForm::UpgradeSkin()
{
    if (!SkinFile || NewSkinMaking)
        return;
    SkinVersion = UpgradeSkinDocument(*SkinFile, ReadSkinVersion(*SkinFile), [this] { WriteSkinFile(); });
}

void TMainForm::TabSheetDirectShow() { TabSheetDirect->TabSheetDirectShow(); }

void TMainForm::SelectSectionEntry(const QString& name)
{
    const QSignalBlocker quiet(ListBoxSections);
    ListBoxSections->clearSelection();
    for (int row = 0; row < ListBoxSections->count(); ++row) {
        if (ListBoxSections->item(row)->text() == name) {
            SelectSectionRow(row);
            return;
        }
    }
}

void TMainForm::SelectSectionRow(int row)
{
    const QSignalBlocker quiet(ListBoxSections);
    ListBoxSections->setCurrentRow(row);
}

QString TMainForm::ReadSettingNow(const char* section, const char* key) const
{
    return FileNameText(TMemIniFile(FileNameBytes(SettingsFileName)).ReadString(section, key, ""));
}

void TMainForm::WriteSettingNow(const char* section, const char* key, const QString& value)
{
    TMemIniFile settings(FileNameBytes(SettingsFileName));
    settings.WriteString(section, key, FileNameBytes(value));
    if (!settings.UpdateFile())
        WarnNotWritten(SettingsFileName);
}
