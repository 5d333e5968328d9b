#include "platform/TPathDialog.h"

#include "platform/Dialogs.h"

#include <QDir>
#include <QStandardPaths>

bool TPathDialog::Execute()
{
    const std::optional<QString> chosen = AppDialogs().SelectFolder(Caption, Path.isEmpty() ? Root() : Path);
    if (!chosen)
        return false;
    Path = *chosen;
    return true;
}

QString TPathDialog::Root()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return QDir(desktop).exists() ? desktop : QDir::homePath();
}
