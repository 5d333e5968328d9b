// The main window's commands that make whole skins: closing a skin (with its
// version stamp and automatic pack), "Make new skin", "Save as packed..." and
// "Extract packed skin".

#include "editor/Unit1.h"

#include "dialogs/ovSelectSkin.h"
#include "editor/Latin1Text.h"
#include "editor/TGlobalDataPages.h"
#include "graphics/BmpWriter.h"
#include "platform/FileNames.h"
#include "skinfiles/FolderListing.h"
#include "skinfiles/TMemIniFile.h"
#include "skinfiles/ovSkinPack.h"
#include "skinfiles/sSkinSources.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>

namespace {

constexpr int newMasterWidth = 500;
constexpr int newMasterHeight = 400;
constexpr TColor transparentFuchsia = 0xFF00FF;

// A name typed for a new skin must name one folder right inside the folder of
// skin sources, so that nothing is written anywhere else.
bool isPlainFolderName(const QString& name)
{
    return !name.isEmpty() && name != QStringLiteral(".") && name != QStringLiteral("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

bool holdsOptionsFile(const QString& folder) { return !FindFileNoCase(FileNameBytes(folder), "Options.dat").empty(); }

void warnIfFailed(const std::string& error)
{
    if (!error.empty())
        AppDialogs().Warning(FileNameText(error));
}

} // namespace

std::optional<double> TMainForm::AutosetVersion() const
{
    if (!GlobalPages->CommonVersionCheck->isChecked())
        return std::nullopt;
    return GlobalPages->EditVersion->value();
}

void TMainForm::CloseSkin()
{
    if (!CurrentSkinName.isEmpty() && SkinFile) {
        if (const std::optional<double> version = AutosetVersion()) {
            SkinFile->WriteFloat("GLOBALINFO", "VERSION", *version);
            WriteSkinFile();
        }
        if (CheckAutoPack->isChecked())
            PackSkinFolder(AutoPackFileName());
    }
    SkinFile.reset();
}

QString TMainForm::AutoPackFileName()
{
    if (DirectoryOutput->text().isEmpty()) {
        TPathDialog ask = DirectoryOutputDialog;
        ask.Caption = QStringLiteral("Please define a directory for automatic output of packed skins :");
        if (ask.Execute()) {
            DirectoryOutputDialog.Path = ask.Path;
            DirectoryOutput->setText(ask.Path);
        }
    }
    const QString output = DirectoryOutput->text();
    if (output != SkinsPath && QFileInfo(output).isDir())
        return output + QLatin1Char('/') + CurrentSkinName + QStringLiteral(".vpk");
    return SkinsPath + QLatin1Char('/') + CurrentSkinName + QStringLiteral("_packed.vpk");
}

void TMainForm::PackSkinFolder(const QString& archive)
{
    warnIfFailed(PackFolder(FileNameBytes(SkinFolder() + QLatin1Char('/')), FileNameBytes(archive)));
}

void TMainForm::Makenewskin1Click()
{
    NewSkinMaking = true;
    const bool made = CreateNewSkin();
    NewSkinMaking = false;
    if (!made)
        return;
    ScanSkins();
    for (QAction* item : SkinMenuItems())
        item->setChecked(SkinNameOf(item) == CurrentSkinName);
    PublishSkin();
}

// Asks for the name of a new skin until it names a folder that is not a skin
// yet; false when the user cancels.
bool TMainForm::AskNewSkinName(QString& name) const
{
    QString prompt = QStringLiteral("Please enter name of new skin :");
    while (AppDialogs().InputQuery(QStringLiteral("Name of skin"), prompt, name)) {
        if (!isPlainFolderName(name)) {
            AppDialogs().Warning(QStringLiteral("'") + name
                                 + QStringLiteral("' cannot name a skin folder: a skin name is not empty, not \".\" or "
                                                  "\"..\", and holds no \"/\" or \"\\\"."));
        } else if (!holdsOptionsFile(SkinsPath + QLatin1Char('/') + name)) {
            return true;
        } else {
            prompt = QStringLiteral("Please enter other name for skin ('") + name + QStringLiteral("' is exists already) :");
        }
    }
    return false;
}

// The folder, master bitmap and options file of a new skin, which is then
// open; false when the user cancelled or something could not be written.
bool TMainForm::CreateNewSkin()
{
    QString name;
    if (!AskNewSkinName(name))
        return false;
    const QString folder = SkinsPath + QLatin1Char('/') + name;
    if (!QFileInfo(folder).isDir() && !QDir().mkdir(folder)) {
        AppDialogs().Warning(QStringLiteral("Cannot create the folder ") + folder + QLatin1Char('.'));
        return false;
    }
    if (FindFileNoCase(FileNameBytes(folder), "Master.bmp").empty()) {
        const std::string error = SaveBmpFile(FileNameBytes(folder + QStringLiteral("/Master.bmp")),
                                              FilledPaletteImage(newMasterWidth, newMasterHeight, transparentFuchsia));
        if (!error.empty()) {
            warnIfFailed(error);
            return false;
        }
    }

    CurrentSkinName = name;
    OpenSkin();
    GlobalPages->FilenameMaster->setText(QStringLiteral("MASTER.BMP"));
    SkinFile->WriteString("GLOBALINFO", "MASTERBITMAP", "MASTER.BMP");
    for (int row = 0; row < ListBoxMissedSections->count(); ++row)
        SkinFile->WriteString(Latin1(ListBoxMissedSections->item(row)->text()), "BORDERSMASK", "N/A");
    if (!WriteSkinFile())
        return false;
    OpenSkin();
    return true;
}

void TMainForm::Saveaspacked1Click()
{
    if (!SkinFile)
        return;
    SaveDialog1.InitialDir = SkinsPath;
    SaveDialog1.FileName = CurrentSkinName + QStringLiteral(".vpk");
    const std::optional<QString> archive = AppDialogs().SaveFile(SaveDialog1);
    if (!archive)
        return;
    // The archive must hold the skin as it is edited now.
    if (WriteSkinFile())
        PackSkinFolder(*archive);
}

void TMainForm::Extraskin1Click()
{
    QString skin;
    QString folder = SkinsPath;
    if (!SelectSkin(skin, folder, skPackedOnly))
        return;
    const QString packed = folder + QLatin1Char('/') + skin;
    warnIfFailed(UnpackToFolder(FileNameBytes(packed + QStringLiteral(".vpk")),
                                FileNameBytes(packed + QStringLiteral(" unpacked"))));
}
