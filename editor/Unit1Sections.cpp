// The main window's section management: the sections list with its filter,
// the missed standard sections, the section operations, and the value
// look-ups every page reads through.
#include "editor/Unit1.h"

#include "editor/Latin1Text.h"
#include "editor/TDirectEditPage.h"
#include "editor/TGlobalDataPages.h"
#include "editor/TSectionPages.h"
#include "platform/FileNames.h"
#include "skinfiles/FolderListing.h"
#include "skinfiles/TMemIniFile.h"
#include "skinfiles/sStoreUtils.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>

namespace {

const QString globalInfoSection = QStringLiteral("GLOBALINFO");
const char* const noBorders = "N/A";

bool IsCategoryName(const std::string& name) { return name.find('-') != std::string::npos; }

QStringList ListEntries(const QListWidget* list)
{
    QStringList entries;
    for (int row = 0; row < list->count(); ++row)
        entries.append(list->item(row)->text());
    return entries;
}

QString SelectedEntry(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.constFirst()->text();
}

} // namespace

QString TMainForm::SectionsIniFileName() const { return ProgramDir + QStringLiteral("Sections.ini"); }

QString TMainForm::SectionInfo(const QString& name) const
{
    if (!QFileInfo(SectionsIniFileName()).isFile())
        return name;
    const TMemIniFile sections(FileNameBytes(SectionsIniFileName()));
    return Latin1Text(sections.ReadString(Latin1Bytes(name), "Info", Latin1Bytes(name)));
}

QString TMainForm::ReadSectionValue(const QString& section, const QString& key, const QString& def) const
{
    if (!SkinFile)
        return QString();
    return Latin1Text(ReadInheritedString(*SkinFile, Latin1Bytes(section), Latin1Bytes(key), Latin1Bytes(def)));
}

int TMainForm::ReadSectionInteger(const QString& section, const QString& key, int def) const
{
    if (!SkinFile)
        return -1;
    return ReadInheritedInteger(*SkinFile, Latin1Bytes(section), Latin1Bytes(key), def);
}

void TMainForm::LoadSectionPages() { SectionPages->LoadSectionPages(); }

void TMainForm::LoadGlobalData() { GlobalPages->LoadGlobalData(); }

void TMainForm::FillSectionList()
{
    ListBoxSections->setUpdatesEnabled(false);
    const QSignalBlocker quiet(ListBoxSections);
    ListBoxSections->clear();
    std::vector<std::string> names;
    if (SkinFile)
        names = SkinFile->ReadSections();
    if (sComboBox2->currentIndex() != 0 && QFileInfo(SectionsIniFileName()).isFile()) {
        const TMemIniFile sections(FileNameBytes(SectionsIniFileName()));
        const std::vector<std::string> members = sections.ReadStringList(Latin1Bytes(sComboBox2->currentText()), "");
        std::erase_if(names, [&members](const std::string& name) {
            return std::find(members.begin(), members.end(), name) == members.end();
        });
    } else {
        std::erase(names, Latin1Bytes(globalInfoSection));
    }
    std::stable_sort(names.begin(), names.end(),
                     [](const std::string& a, const std::string& b) { return CompareTextNoCase(a, b) < 0; });
    for (const std::string& name : names)
        ListBoxSections->addItem(Latin1Text(name));
    ListBoxSections->setUpdatesEnabled(true);
}

void TMainForm::sComboBox2Change()
{
    if (CurrentSection.isEmpty())
        return;
    MissedPanel->setEnabled(sComboBox2->currentIndex() == 0);
    FillSectionList();
}

void TMainForm::FillMissedSections()
{
    if (!QFileInfo(SectionsIniFileName()).isFile())
        return;
    const TMemIniFile sections(FileNameBytes(SectionsIniFileName()));
    const QStringList present = ListEntries(ListBoxSections);
    const QSignalBlocker quiet(ListBoxMissedSections);
    ListBoxMissedSections->clear();
    for (const std::string& name : sections.ReadSections()) {
        if (!IsCategoryName(name) && !present.contains(Latin1Text(name)))
            ListBoxMissedSections->addItem(Latin1Text(name));
    }
    sSpeedButton6->setEnabled(false);
    sSpeedButton7->setEnabled(ListBoxMissedSections->count() > 0);
}

void TMainForm::ListBoxMissedSectionsClick()
{
    const QString name = SelectedEntry(ListBoxMissedSections);
    sSpeedButton6->setEnabled(!name.isEmpty());
    sSpeedButton7->setEnabled(ListBoxMissedSections->count() > 0);
    if (!name.isEmpty())
        LabelSectionInfo->setText(SectionInfo(name));
}

void TMainForm::ListBoxSectionsClick()
{
    const QString name = SelectedEntry(ListBoxSections);
    if (name.isEmpty() || Destroying)
        return;
    WriteSettingNow("CurrentWork", "SkinSection", name);
    const bool wasLoading = PageLoading;
    PageLoading = true;
    CurrentSection = name;
    LoadSectionPages();
    PageLoading = wasLoading;
    sSpeedButton1->setEnabled(true);
    sSpeedButton3->setEnabled(true);
    sSpeedButton4->setEnabled(true);
    if (PageControlSection->currentWidget() == TabSheetDirect)
        TabSheetDirectShow();
    LabelSectionInfo->setText(SectionInfo(name));
}

bool TMainForm::AskSectionName(const QString& caption, const QString& prompt, QString& name)
{
    if (!AppDialogs().InputQuery(caption, prompt, name))
        return false;
    name = name.toUpper();
    if (!name.trimmed().isEmpty())
        return true;
    AppDialogs().Warning(QStringLiteral("A section needs a name."));
    name.clear();
    return false;
}

void TMainForm::SelectNewSection(const QString& name)
{
    if (!name.isEmpty())
        SelectSectionEntry(name);
    ListBoxSectionsClick();
}

void TMainForm::sSpeedButton2Click()
{
    QString name;
    // The document is asked, not the (maybe filtered) list, so that an
    // existing section is never overwritten.
    if (AskSectionName(QStringLiteral("New section creating"), QStringLiteral("Enter section name :"), name) &&
        SkinFile && !SkinFile->SectionExists(Latin1Bytes(name))) {
        SkinFile->WriteString(Latin1Bytes(name), "BORDERSMASK", noBorders);
        WriteSkinFile();
        OpenSkin();
    }
    SelectNewSection(name);
}

void TMainForm::sSpeedButton3Click()
{
    const QString source = SelectedEntry(ListBoxSections);
    if (source.isEmpty())
        return;
    QString name = source;
    const bool named =
        AskSectionName(QStringLiteral("Clone SkinSection"), QStringLiteral("Enter new section name :"), name);
    if (named && SkinFile && !SkinFile->SectionExists(Latin1Bytes(name))) {
        for (const auto& [key, value] : SkinFile->ReadSectionValues(Latin1Bytes(source)))
            SkinFile->WriteString(Latin1Bytes(name), key, value);
        WriteSkinFile();
        OpenSkin();
    }
    SelectNewSection(named ? name : QString());
}

void TMainForm::sSpeedButton4Click()
{
    const int row = ListBoxSections->currentRow();
    const QString name = SelectedEntry(ListBoxSections);
    if (name.isEmpty() || !SkinFile ||
        !AppDialogs().Confirm(QStringLiteral("Delete the ") + name + QStringLiteral(" SkinSection?")))
        return;
    SkinFile->EraseSection(Latin1Bytes(name));
    WriteSkinFile();
    {
        const QSignalBlocker quiet(ListBoxSections);
        delete ListBoxSections->takeItem(row);
        ListBoxSections->clearSelection();
    }
    if (ListBoxSections->count() > 0)
        SelectSectionRow(std::min(row, ListBoxSections->count() - 1));
    ListBoxSectionsClick();
}

void TMainForm::sSpeedButton1Click()
{
    const QString name = SelectedEntry(ListBoxSections);
    if (name.isEmpty() || !SkinFile ||
        !AppDialogs().Confirm(QStringLiteral("Clear the ") + name + QStringLiteral(" SkinSection?")))
        return;
    SkinFile->EraseSection(Latin1Bytes(name));
    WriteSkinFile();
    SkinFile->WriteString(Latin1Bytes(name), "BORDERSMASK", noBorders);
    WriteSkinFile();
    ListBoxSectionsClick();
}

void TMainForm::AddMissedSections(const QStringList& names)
{
    if (names.isEmpty() || !SkinFile)
        return;
    for (const QString& name : names)
        SkinFile->WriteString(Latin1Bytes(name), "BORDERSMASK", noBorders);
    WriteSkinFile();
    OpenSkin();
}

void TMainForm::sSpeedButton6Click()
{
    const QString name = SelectedEntry(ListBoxMissedSections);
    AddMissedSections(name.isEmpty() ? QStringList() : QStringList{name});
}

void TMainForm::sSpeedButton7Click() { AddMissedSections(ListEntries(ListBoxMissedSections)); }
