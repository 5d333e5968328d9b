#include "editor/TGlobalDataPages.h"

#include "editor/ChooseImage.h"
#include "editor/Latin1Text.h"
#include "editor/NamedWidget.h"
#include "editor/ResetButton.h"
#include "editor/ScrollingPage.h"
#include "editor/SkinUpgrade.h"
#include "editor/TFocusedWheel.h"
#include "editor/TColorBox.h"
#include "editor/TImageField.h"
#include "editor/TSectionPages.h"
#include "editor/Unit1.h"
#include "graphics/BmpReader.h"
#include "graphics/GraphicErrors.h"
#include "graphics/TBitmap.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "skinfiles/FolderListing.h"
#include "skinfiles/TMemIniFile.h"
#include "skinfiles/sStoreUtils.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString globalInfo = QStringLiteral("GLOBALINFO");

// Values written on another system name a master bitmap by drive or share.
bool IsAbsoluteSkinPath(const QString& name)
{
    return name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1Char('\\')) || name.contains(QLatin1Char(':'));
}

QFormLayout* formIn(QWidget* parent)
{
    QFormLayout* layout = new QFormLayout(parent);
    layout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return layout;
}

} // namespace

TGlobalDataPages::TGlobalDataPages(TMainForm& form) : form_(form)
{
    CreateMainInfoPage();
    CreateColorsPage();
    CreateGlyphs1Page();
    CreateGlyphs2Page();
    CreateShadowsPage();
}

TImageField* TGlobalDataPages::NewGlyphField(const char* name, const char* key, const char* resetName)
{
    TImageField* field = Named(new TImageField(QString::fromLatin1(key)), name);
    Named(field->CheckReset, resetName);
    field->OnChange = [this, field] { ComboBoxCheckedChange(*field); };
    field->OnReset = [this, field] { CheckBoxCheckedClick(*field); };
    field->OnBrowse = [this, field] { ComboCloseEditButtonClick(*field); };
    return field;
}

TColorBox* TGlobalDataPages::NewColorBox(const char* name, const char* key, const char* resetName)
{
    TColorBox* box = Named(new TColorBox(QString::fromLatin1(key), TColorBox::WithNone), name);
    Named(box->CheckReset, resetName);
    box->OnChange = [this, box] { form_.SectionPages->ColorChange(*box, globalInfo); };
    box->OnReset = [this, box] { form_.SectionPages->CheckColorDefaultClick(*box); };
    return box;
}

QSpinBox* TGlobalDataPages::NewNumberBox(const char* name, const char* key, int minimum, int maximum)
{
    QSpinBox* box = Named(new QSpinBox, name);
    TFocusedWheel::Install(box);
    box->setRange(minimum, maximum);
    box->setToolTip(QString::fromLatin1(key));
    box->setProperty("SkinKey", QString::fromLatin1(key));
    QObject::connect(box, &QSpinBox::valueChanged, box, [this, box] { SpinShadow1OffsetChange(*box); });
    return box;
}

void TGlobalDataPages::CreateMainInfoPage()
{
    FilenameMaster = Named(new QLineEdit, "FilenameMaster");
    FilenameMaster->setReadOnly(true);
    FilenameMaster->setToolTip(QStringLiteral("MASTERBITMAP"));
    FilenameMasterButton = Named(new QToolButton, "FilenameMasterButton");
    FilenameMasterButton->setText(QStringLiteral("..."));
    FilenameMasterButton->setToolTip(QStringLiteral("Choose the master bitmap"));
    FilenameMasterButton->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(FilenameMasterButton, &QToolButton::clicked, FilenameMasterButton, [this] { FilenameMasterChange(); });
    QHBoxLayout* master = new QHBoxLayout;
    master->addWidget(FilenameMaster, 1);
    master->addWidget(FilenameMasterButton);

    EditAuthor = Named(new QLineEdit, "EditAuthor");
    MemoDesc = Named(new QPlainTextEdit, "MemoDesc");
    MemoDesc->setTabChangesFocus(true);
    MemoDesc->setMaximumHeight(70);
    EditVersion = Named(new QDoubleSpinBox, "EditVersion");
    TFocusedWheel::Install(EditVersion);
    EditVersion->setDecimals(2);
    EditVersion->setRange(0, 9.99);
    EditVersion->setSingleStep(0.01);
    CommonVersionCheck = Named(new QCheckBox(QStringLiteral("Autoset in all opened skins")), "CommonVersionCheck");
    CommonVersionCheck->setChecked(true);
    sBitBtn1 = Named(new QPushButton(QStringLiteral("Apply")), "sBitBtn1");
    sBitBtn1->setDefault(true);
    QObject::connect(sBitBtn1, &QPushButton::clicked, sBitBtn1, [this] { sBitBtn1Click(); });

    QGroupBox* about = new QGroupBox(QStringLiteral("About skin :"));
    QFormLayout* aboutRows = formIn(about);
    aboutRows->addRow(QStringLiteral("Author"), EditAuthor);
    aboutRows->addRow(QStringLiteral("Description"), MemoDesc);
    QHBoxLayout* version = new QHBoxLayout;
    version->addWidget(EditVersion);
    version->addWidget(CommonVersionCheck, 1);
    version->addWidget(sBitBtn1);
    aboutRows->addRow(QStringLiteral("Version"), version);

    QVBoxLayout* page = static_cast<QVBoxLayout*>(form_.TabSheetMainInfo->layout());
    QFormLayout* masterRow = new QFormLayout;
    masterRow->addRow(QStringLiteral("Master bitmap"), master);
    page->insertLayout(0, masterRow);
    page->insertWidget(2, about);
}

void TGlobalDataPages::CreateColorsPage()
{
    ColorDefault = NewColorBox("ColorDefault", "COLOR", "CheckColorDefault");
    ColorDefaultHot = NewColorBox("ColorDefaultHot", "HOTCOLOR", "CheckColorHotDefault");
    FontColorDefault = NewColorBox("FontColorDefault", "FONTCOLOR", "CheckFontColorDefault");
    FXColorDefault = NewColorBox("FXColorDefault", "TCLEFT", "CheckFXColorDefault");
    BorderColorDefault = NewColorBox("BorderColorDefault", "BORDERCOLOR", "CheckBorderColorDefault");
    QFormLayout* rows = formIn(ScrollingContent(form_.TabSheetColors));
    rows->addRow(QStringLiteral("Default unactive control"), ColorDefault);
    rows->addRow(QStringLiteral("Default active control"), ColorDefaultHot);
    rows->addRow(QStringLiteral("Default labels color"), FontColorDefault);
    rows->addRow(QStringLiteral("FX labels color"), FXColorDefault);
    rows->addRow(QStringLiteral("Border color"), BorderColorDefault);
}

void TGlobalDataPages::CreateGlyphs1Page()
{
    ComboBoxChecked = NewGlyphField("ComboBoxChecked", "BOXCHECKED", "CheckBoxChecked");
    ComboBoxUnChecked = NewGlyphField("ComboBoxUnChecked", "BOXUNCHECKED", "CheckBoxUnChecked");
    ComboBoxGrayed = NewGlyphField("ComboBoxGrayed", "BOXGRAYED", "CheckBoxGrayed");
    ComboRadioChecked = NewGlyphField("ComboRadioChecked", "RADIOCHECKED", "CheckRadioChecked");
    ComboRadioUnChecked = NewGlyphField("ComboRadioUnChecked", "RADIOUNCHECKED", "CheckRadioUnChecked");
    ComboSmallChecked = NewGlyphField("ComboSmallChecked", "SMALLCHECKED", "CheckSmallChecked");
    ComboSmallUnChecked = NewGlyphField("ComboSmallUnChecked", "SMALLUNCHECKED", "CheckSmallUnChecked");
    ComboSmallGrayed = NewGlyphField("ComboSmallGrayed", "SMALLGRAYED", "CheckSmallGrayed");
    ComboCheck = NewGlyphField("ComboCheck", "CHECK", "CheckCheck");
    ComboGripEdit = NewGlyphField("ComboGripEdit", "GRIPIMAGE", "CheckGripEdit");

    const auto group = [](const QString& caption, QList<QPair<QString, TImageField*>> rows) {
        QGroupBox* box = new QGroupBox(caption);
        QFormLayout* layout = formIn(box);
        for (const auto& row : rows)
            layout->addRow(row.first, row.second);
        return box;
    };
    QGridLayout* layout = new QGridLayout(ScrollingContent(form_.TabSheetGlyphs1));
    layout->addWidget(group(QStringLiteral("CheckBox"), {{QStringLiteral("Checked"), ComboBoxChecked},
                                                         {QStringLiteral("Unchecked"), ComboBoxUnChecked},
                                                         {QStringLiteral("Grayed"), ComboBoxGrayed}}),
                      0, 0);
    layout->addWidget(group(QStringLiteral("RadioButton"), {{QStringLiteral("Checked"), ComboRadioChecked},
                                                            {QStringLiteral("Unchecked"), ComboRadioUnChecked}}),
                      0, 1);
    layout->addWidget(group(QStringLiteral("Small checkbox"), {{QStringLiteral("Checked"), ComboSmallChecked},
                                                               {QStringLiteral("Unchecked"), ComboSmallUnChecked},
                                                               {QStringLiteral("Grayed"), ComboSmallGrayed}}),
                      1, 0);
    QFormLayout* other = new QFormLayout;
    other->addRow(QStringLiteral("Check"), ComboCheck);
    other->addRow(QStringLiteral("Grip"), ComboGripEdit);
    layout->addLayout(other, 1, 1, Qt::AlignTop);
    layout->setRowStretch(2, 1);
}

void TGlobalDataPages::CreateGlyphs2Page()
{
    EditSIconClose = NewGlyphField("EditSIconClose", "SICONCLOSE", "CheckSIconClose");
    EditSIconMax = NewGlyphField("EditSIconMax", "SICONMAX", "CheckSIconMax");
    EditSIconNorm = NewGlyphField("EditSIconNorm", "SICONNORM", "CheckSIconNorm");
    EditSIconMin = NewGlyphField("EditSIconMin", "SICONMIN", "CheckSIconMin");
    EditSIconHelp = NewGlyphField("EditSIconHelp", "SICONHELP", "CheckSIconHelp");
    ComboCloseEdit = NewGlyphField("ComboCloseEdit", "BICONCLOSE", "CheckCloseEdit");
    ComboHelpEdit = NewGlyphField("ComboHelpEdit", "BICONHELP", "CheckHelpEdit");
    ComboMaxEdit = NewGlyphField("ComboMaxEdit", "BICONMAX", "CheckMaxEdit");
    ComboMinEdit = NewGlyphField("ComboMinEdit", "BICONMIN", "CheckMinEdit");
    ComboNormEdit = NewGlyphField("ComboNormEdit", "BICONNORM", "CheckNormEdit");
    ComboUserEdit = NewGlyphField("ComboUserEdit", "TITLEBUTTON", "CheckUserEdit");
    SpinBISpacing = NewNumberBox("SpinBISpacing", "BISPACE", -999, 9999);
    CheckBoxBIAlign = Named(new QCheckBox(QStringLiteral("Top aligned")), "CheckBoxBIAlign");
    QObject::connect(CheckBoxBIAlign, &QCheckBox::clicked, CheckBoxBIAlign, [this] { CheckBoxBIAlignClick(); });
    SpinBILeft = NewNumberBox("SpinBILeft", "BILEFT", -999, 9999);
    SpinBIRight = NewNumberBox("SpinBIRight", "BIRIGHT", -999, 9999);

    QGroupBox* small = new QGroupBox(QStringLiteral(" Small border icons "));
    QFormLayout* smallRows = formIn(small);
    smallRows->addRow(QStringLiteral("Close"), EditSIconClose);
    smallRows->addRow(QStringLiteral("Maximize"), EditSIconMax);
    smallRows->addRow(QStringLiteral("Normalize"), EditSIconNorm);
    smallRows->addRow(QStringLiteral("Minimize"), EditSIconMin);
    smallRows->addRow(QStringLiteral("Help"), EditSIconHelp);

    QGroupBox* title = new QGroupBox(QStringLiteral(" Title icons "));
    QFormLayout* titleRows = formIn(title);
    titleRows->addRow(QStringLiteral("Close"), ComboCloseEdit);
    titleRows->addRow(QStringLiteral("Help"), ComboHelpEdit);
    titleRows->addRow(QStringLiteral("Max"), ComboMaxEdit);
    titleRows->addRow(QStringLiteral("Min"), ComboMinEdit);
    titleRows->addRow(QStringLiteral("Normal"), ComboNormEdit);
    titleRows->addRow(QStringLiteral("User"), ComboUserEdit);
    QHBoxLayout* spacing = new QHBoxLayout;
    spacing->addWidget(SpinBISpacing);
    spacing->addWidget(CheckBoxBIAlign, 1);
    titleRows->addRow(QStringLiteral("Spacing"), spacing);

    QGroupBox* margins = new QGroupBox(QStringLiteral("Title margins"));
    QFormLayout* marginRows = formIn(margins);
    marginRows->addRow(QStringLiteral("Left"), SpinBILeft);
    marginRows->addRow(QStringLiteral("Right"), SpinBIRight);

    // The glow counts of the title buttons come with the glow images editor.
    QGroupBox* glow = form_.TabSheetGlyphs2->findChild<QGroupBox*>(QStringLiteral("GroupBoxGlow"));
    if (QLayout* existing = form_.TabSheetGlyphs2->layout())
        existing->removeWidget(glow);

    QVBoxLayout* left = new QVBoxLayout;
    left->addWidget(small);
    left->addWidget(margins);
    left->addStretch(1);
    QVBoxLayout* right = new QVBoxLayout;
    right->addWidget(title);
    right->addWidget(glow);
    right->addStretch(1);
    QHBoxLayout* layout = new QHBoxLayout(ScrollingContent(form_.TabSheetGlyphs2));
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);
}

void TGlobalDataPages::CreateShadowsPage()
{
    ColorShadow1 = Named(new TColorBox(QStringLiteral("SHADOW1COLOR"), TColorBox::WithNone), "ColorShadow1");
    Named(ColorShadow1->CheckReset, "CheckShadow1Color");
    ColorShadow1->OnChange = [this] { form_.SectionPages->ColorBoxBgChange(*ColorShadow1); };
    ColorShadow1->OnReset = [this] { form_.SectionPages->CheckColorDefaultClick(*ColorShadow1); };
    SpinShadow1Offset = NewNumberBox("SpinShadow1Offset", "SHADOW1OFFSET", -10, 10);
    // -1 (no shadow) is what an absent blur means, so the box must show it.
    SpinShadow1Blur = NewNumberBox("SpinShadow1Blur", "SHADOW1BLUR", -1, 10);
    CheckShadow1Offset = Named(NewResetButton(QStringLiteral("SHADOW1OFFSET")), "CheckShadow1Offset");
    CheckShadow1Blur = Named(NewResetButton(QStringLiteral("SHADOW1BLUR")), "CheckShadow1Blur");
    QObject::connect(CheckShadow1Offset, &QToolButton::clicked, CheckShadow1Offset,
                     [this] { CheckShadow1OffsetClick(*SpinShadow1Offset); });
    QObject::connect(CheckShadow1Blur, &QToolButton::clicked, CheckShadow1Blur,
                     [this] { CheckShadow1OffsetClick(*SpinShadow1Blur); });

    QGroupBox* style = new QGroupBox(QStringLiteral("Style 1"));
    QFormLayout* rows = formIn(style);
    rows->addRow(QStringLiteral("Color"), ColorShadow1);
    const auto withReset = [](QSpinBox* box, QToolButton* reset) {
        QHBoxLayout* row = new QHBoxLayout;
        row->addWidget(box);
        row->addWidget(reset);
        row->addStretch(1);
        return row;
    };
    rows->addRow(QStringLiteral("Offset"), withReset(SpinShadow1Offset, CheckShadow1Offset));
    rows->addRow(QStringLiteral("Blur count"), withReset(SpinShadow1Blur, CheckShadow1Blur));
    QVBoxLayout* layout = new QVBoxLayout(ScrollingContent(form_.TabSheetShadows));
    layout->addWidget(style);
    layout->addStretch(1);
}

QList<TImageField*> TGlobalDataPages::GlyphFields() const
{
    return {ComboSmallChecked, ComboSmallUnChecked, ComboSmallGrayed, ComboGripEdit,  ComboCheck,
            ComboCloseEdit,    ComboHelpEdit,       ComboNormEdit,    ComboMaxEdit,   ComboMinEdit,
            ComboUserEdit,     EditSIconClose,      EditSIconMax,     EditSIconNorm,  EditSIconMin,
            EditSIconHelp};
}

QList<QSpinBox*> TGlobalDataPages::NumberBoxes() const
{
    return {SpinShadow1Offset, SpinShadow1Blur, SpinBISpacing, SpinBILeft, SpinBIRight};
}

QToolButton* TGlobalDataPages::ResetOf(const QSpinBox& box) const
{
    if (&box == SpinShadow1Offset)
        return CheckShadow1Offset;
    if (&box == SpinShadow1Blur)
        return CheckShadow1Blur;
    return nullptr;
}

QString TGlobalDataPages::GlobalValue(const char* key, const char* def) const
{
    return form_.ReadSectionValue(globalInfo, QString::fromLatin1(key), QString::fromLatin1(def));
}

// Loading.

void TGlobalDataPages::LoadGlobalData()
{
    // Filling the controls must write nothing into the skin.
    const bool wasLoading = form_.PageLoading;
    form_.PageLoading = true;

    LoadMasterBitmap();
    if (form_.SkinFile)
        ReadSkinInfo();
    // The upgrade may change the version.
    form_.SkinVersion = SkinData.Version;
    form_.UpgradeSkin();
    SkinData.Version = form_.SkinVersion;
    for (TImageField* field : {ComboBoxChecked, ComboBoxUnChecked, ComboBoxGrayed, ComboRadioChecked,
                               ComboRadioUnChecked})
        LoadGlyphField(*field);
    for (TColorBox* box : {ColorDefault, ColorDefaultHot, FontColorDefault, FXColorDefault, BorderColorDefault,
                           ColorShadow1})
        box->SetColor(TColor(form_.ReadSectionInteger(globalInfo, box->Key(), int(TColorBox::AbsentColor))));
    LoadNumberBox(*SpinShadow1Offset, "0");
    LoadNumberBox(*SpinShadow1Blur, "-1");
    LoadNumberBox(*SpinBISpacing, "0");
    LoadNumberBox(*SpinBILeft, "0");
    LoadNumberBox(*SpinBIRight, "0");
    CheckBoxBIAlign->setChecked(GlobalValue("BIVALIGN", "0") == QStringLiteral("1"));
    for (TImageField* field : GlyphFields())
        LoadGlyphField(*field);

    EditAuthor->setText(Latin1Text(SkinData.Author));
    if (!(CommonVersionCheck->isChecked() && EditVersion->value() >= SkinData.Version))
        EditVersion->setValue(SkinData.Version);
    MemoDesc->setPlainText(Latin1Text(SkinData.Description));

    form_.PageLoading = wasLoading;
}

void TGlobalDataPages::LoadGlyphField(TImageField& field)
{
    field.SetText(form_.ReadSectionValue(globalInfo, field.Key(), ImageValueNone));
    field.LinkResetButton();
}

void TGlobalDataPages::LoadMasterBitmap()
{
    const QString name = GlobalValue("MASTERBITMAP", "");
    FilenameMaster->setText(name);
    QString path;
    if (IsAbsoluteSkinPath(name)) {
        path = name;
    } else if (!name.isEmpty()) {
        path = FileNameText(FindFileNoCase(FileNameBytes(form_.SkinFolder()), FileNameBytes(name)));
    }
    if (!path.isEmpty() && QFileInfo(path).isFile())
        ReadMasterBitmap(path);
    else
        form_.MasterBitmap.reset();
}

void TGlobalDataPages::ReadMasterBitmap(const QString& fileName)
{
    form_.MasterBitmap.reset();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    try {
        form_.MasterBitmap = std::make_unique<TBitmap>(
            ReadBmp(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())));
    } catch (const EInvalidGraphic& error) {
        // The image tools then work without a master bitmap, as for a missing file.
        AppDialogs().Warning(fileName + QStringLiteral(": ") + QString::fromLatin1(error.what()));
    }
}

void TGlobalDataPages::ReadSkinInfo()
{
    SkinData.Author = Latin1Bytes(GlobalValue("AUTHOR", ""));
    SkinData.Description = Latin1Bytes(GlobalValue("DESCRIPTION", ""));
    SkinData.Version = ReadSkinVersion(*form_.SkinFile);
}

void TGlobalDataPages::LoadNumberBox(QSpinBox& box, const char* def)
{
    const QString key = box.property("SkinKey").toString();
    int value = 0;
    TryStrToDecimal(Latin1Bytes(GlobalValue(Latin1Bytes(key).c_str(), def)), value);
    box.setValue(value);
    if (QToolButton* reset = ResetOf(box))
        reset->setEnabled(form_.SkinFile && form_.SkinFile->ValueExists("GLOBALINFO", Latin1Bytes(key)));
}

// Write-back.

bool TGlobalDataPages::CanWrite() const { return form_.SectionPages->CanWrite(globalInfo); }

void TGlobalDataPages::FilenameMasterChange()
{
    FileDialogOptions options;
    options.Filter = QStringLiteral("Bitmap files (*.bmp)|*.bmp");
    options.InitialDir = form_.SkinFolder();
    options.FileMustExist = true;
    const std::optional<QString> chosen = AppDialogs().OpenFile(options);
    if (!chosen)
        return;
    FilenameMaster->setText(QFileInfo(*chosen).fileName().toUpper());
    if (!CanWrite())
        return;
    form_.SkinFile->WriteString("GLOBALINFO", "MASTERBITMAP", Latin1Bytes(FilenameMaster->text()));
    form_.SkinChanged();
}

void TGlobalDataPages::sBitBtn1Click()
{
    if (!CanWrite())
        return;
    SkinData.Author = Latin1Bytes(EditAuthor->text());
    SkinData.Version = EditVersion->value();
    SkinData.Description = Latin1Bytes(MemoDesc->toPlainText());
    form_.SkinFile->WriteString("GLOBALINFO", "AUTHOR", SkinData.Author);
    form_.SkinFile->WriteFloat("GLOBALINFO", "VERSION", SkinData.Version);
    form_.SkinFile->WriteString("GLOBALINFO", "DESCRIPTION", SkinData.Description);
    form_.WriteSkinFile();
}

void TGlobalDataPages::ComboBoxCheckedChange(TImageField& field) { form_.SectionPages->ImageFieldChange(field, globalInfo); }

void TGlobalDataPages::CheckBoxCheckedClick(TImageField& field) { form_.SectionPages->ImageFieldReset(field, globalInfo); }

void TGlobalDataPages::ComboCloseEditButtonClick(TImageField& field)
{
    field.SetText(ChooseImageValue(form_, field.Text(), itisaGlyph, field.CheckReset));
}

void TGlobalDataPages::SpinShadow1OffsetChange(QSpinBox& box)
{
    if (!CanWrite())
        return;
    const std::string key = Latin1Bytes(box.property("SkinKey").toString());
    form_.SkinFile->WriteString("GLOBALINFO", key, Latin1Bytes(box.text()));
    if (QToolButton* reset = ResetOf(box))
        reset->setEnabled(true);
    form_.WriteSkinFile();
    form_.SkinChanged();
}

void TGlobalDataPages::CheckShadow1OffsetClick(QSpinBox& box)
{
    {
        // The box shows the value an absent key stands for; that is no edit.
        const QSignalBlocker quiet(box);
        box.setValue(&box == SpinShadow1Blur ? -1 : 0);
    }
    if (CanWrite()) {
        form_.SkinFile->DeleteKey("GLOBALINFO", Latin1Bytes(box.property("SkinKey").toString()));
        form_.SkinChanged();
    }
    if (QToolButton* reset = ResetOf(box))
        reset->setEnabled(false);
}

void TGlobalDataPages::CheckBoxBIAlignClick()
{
    if (!CanWrite())
        return;
    form_.SkinFile->WriteString("GLOBALINFO", "BIVALIGN", CheckBoxBIAlign->isChecked() ? "1" : "0");
    form_.WriteSkinFile();
    form_.SkinChanged();
}
