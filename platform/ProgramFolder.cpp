#include "platform/ProgramFolder.h"

#include <QCoreApplication>

QString ProgramFolder()
{
    QString folder = qEnvironmentVariable("VESPIRA_PROGRAM_DIR");
    if (folder.isEmpty())
        folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}
