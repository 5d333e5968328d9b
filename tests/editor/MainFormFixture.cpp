#include "MainFormFixture.h"

#include "platform/TRegistry.h"
#include "skinfiles/TMemIniFile.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>

MainFormTest::MainFormTest()
    : programDir_("VESPIRA_PROGRAM_DIR", program.path().toLocal8Bit()),
      runtimeDir_("XDG_RUNTIME_DIR", sockets_.path().toLocal8Bit())
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

QAction* MainFormTest::skinItem(const TMainForm& form, const QString& skin)
{
    for (QAction* item : form.SkinMenuItems()) {
        if (TMainForm::SkinNameOf(item) == skin)
            return item;
    }
    ADD_FAILURE() << "no skin menu item " << skin.toStdString();
    return nullptr;
}

QStringList MainFormTest::skinMenuNames(const TMainForm& form)
{
    QStringList names;
    for (const QAction* item : form.SkinMenuItems())
        names.append(TMainForm::SkinNameOf(item));
    return names;
}

void MainFormTest::chooseSkin(TMainForm& form, const QString& skin)
{
    if (QAction* item = skinItem(form, skin))
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
