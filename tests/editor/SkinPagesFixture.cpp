#include "SkinPagesFixture.h"

#include <QListWidget>

std::unique_ptr<TMainForm> SkinPagesTest::open(const QByteArray& options, const QByteArray& sectionsIni)
{
    if (!sectionsIni.isEmpty())
        program.write(QStringLiteral("Sections.ini"), sectionsIni);
    addSkin(QStringLiteral("Aqua"), options);
    writeSettings("[Options]\r\nSkinsPath=" + skinsPath().toLocal8Bit() + "\r\n");
    std::unique_ptr<TMainForm> form = start();
    chooseSkin(*form, QStringLiteral("Aqua"));
    return form;
}

void SkinPagesTest::select(TMainForm& form, const QString& section)
{
    const QList<QListWidgetItem*> found = form.ListBoxSections->findItems(section, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << section.toStdString();
    // Choosing the entry that is already selected still makes it current.
    form.ListBoxSections->clearSelection();
    form.ListBoxSections->setCurrentItem(found.constFirst());
}

QByteArray SkinPagesTest::optionsBytes() const { return program.read(QStringLiteral("Skins/Aqua/Options.dat")); }

TMemIniFile SkinPagesTest::written() const
{
    TMemIniFile document;
    document.SetText(optionsBytes().toStdString());
    return document;
}

QByteArray SkinPagesTest::writtenValue(const char* section, const char* key) const
{
    return QByteArray::fromStdString(written().ReadString(section, key, "(absent)"));
}

void SkinPagesTest::forgetPublications() const { program.write(QStringLiteral("config/registry.ini"), ""); }

bool SkinPagesTest::publishedSinceForget() const { return registry().contains("SkinName=Aqua"); }
