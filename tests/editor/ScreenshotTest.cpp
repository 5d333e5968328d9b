#include "MainFormFixture.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QListWidget>
#include <QPixmap>

// Not a check: with VESPIRA_SCREENSHOT naming a PNG file, this opens a copy of
// the bundled sample skins and saves a picture of the main window there (the
// README's screenshot is made this way).
TEST_F(MainFormTest, Screenshot)
{
    const QString target = qEnvironmentVariable("VESPIRA_SCREENSHOT");
    if (target.isEmpty())
        GTEST_SKIP() << "set VESPIRA_SCREENSHOT to a PNG file name to take the screenshot";

    const QDir samples(QStringLiteral(VESPIRA_SOURCE_DIR "/data/Skins"));
    QDirIterator files(samples.path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        program.write(QStringLiteral("Skins/") + samples.relativeFilePath(file), readFileBytes(file));
    }
    writeSettings("[Options]\r\nSkinsPath=" + skinsPath().toLocal8Bit() + "\r\nMainFormTop=0\r\nMainFormLeft=0\r\n");
    const auto form = start();
    form->show();
    chooseSkin(*form, QStringLiteral("Slate"));
    form->ListBoxSections->setCurrentRow(0);
    ASSERT_TRUE(form->grab().save(target));
}
