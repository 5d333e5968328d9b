#include "MainFormFixture.h"

#include "platform/TRegistry.h"
#include "skinfiles/TMemIniFile.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>

MainFormTest::MainFormTest() : programDir_("VESPIRA_PROGRAM_DIR", program.path().toLocal8Bit())
{
    TRegistry::SetFileName(program.file(QStringLiteral("config/registry.ini")));
}

MainFormTest::~MainFormTest() { TRegistry::SetFileName({}); }

std::unique_ptr<TMainForm> MainFormTest::start() { return std::make_unique<TMainForm>(); }

void MainFormTest::writeSettings(const QByteArray& text) const { program.write(QStringLiteral("VespiraStudio.ini"), text); }

QByteArray MainFormTest::settings() const { return program.read(QStringLiteral("VespiraStudio.ini")); }

void MainFormTest::addSkin(const QString& name, const QByteArray& options) const
{
    program.write(QStringLiteral("Skins/") + name + QStringLiteral("/Options.dat"), options);
}

QString MainFormTest::skinsPath() const { return program.file(QStringLiteral("Skins")); }

QByteArray MainFormTest::registry() const { return program.read(QStringLiteral("config/registry.ini")); }

QAction* MainFormTest::skinItem(const TMainForm& form, const QString& caption)
{
    for (QAction* item : form.SkinMenuItems()) {
        if (item->text() == caption)
            return item;
    }
    ADD_FAILURE() << "no skin menu item " << caption.toStdString();
    return nullptr;
}

void MainFormTest::chooseSkin(TMainForm& form, const QString& caption)
{
    if (QAction* item = skinItem(form, caption))
        item->trigger();
}

QStringList MainFormTest::sectionEntries(const TMainForm& form)
{
    QStringList entries;
    for (int row = 0; row < form.ListBoxSections->count(); ++row)
        entries.append(form.ListBoxSections->item(row)->text());
    return entries;
}

QString MainFormTest::selectedSection(const TMainForm& form)
{
    const QList<QListWidgetItem*> selected = form.ListBoxSections->selectedItems();
    return selected.isEmpty() ? QString() : selected.constFirst()->text();
}

QByteArray MainFormTest::asWritten(const QByteArray& text)
{
    TMemIniFile document;
    document.SetText(text.toStdString());
    return QByteArray::fromStdString(document.Text());
}

QByteArray MainFormTest::settingValue(const char* section, const char* key) const
{
    TMemIniFile document;
    document.SetText(settings().toStdString());
    return QByteArray::fromStdString(document.ReadString(section, key, "(missing)"));
}

std::vector<std::pair<std::string, std::string>> MainFormTest::settingValues(const char* section) const
{
    TMemIniFile document;
    document.SetText(settings().toStdString());
    return document.ReadSectionValues(section);
}
