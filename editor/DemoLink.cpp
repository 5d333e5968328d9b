#include "editor/DemoLink.h"

#include "engine/sVersion.h"
#include "platform/Dialogs.h"
#include "platform/ProcessMessages.h"
#include "platform/TWindowLink.h"

#include <QFileInfo>
#include <QProcess>

#include <optional>

namespace {

// Set while a started program is waited for: what runs meanwhile must not
// start another one.
bool demoStarting = false;

void StartDemo(const QString& demoFileName)
{
    QProcess::startDetached(demoFileName, {QStringLiteral("/edit")});
}

// A program that shows no window with the expected caption in time is taken
// for one of another engine version (a slow start looks the same).
bool DemoStartedInTime(const QString& caption)
{
    WaitProcessingMessages(DemoStartWaitMs);
    return FindWindowByCaption(caption);
}

bool AskForDemo(QString& demoFileName, const FileDialogOptions& openDemoDialog)
{
    const std::optional<QString> chosen = AppDialogs().OpenFile(openDemoDialog);
    if (!chosen)
        return false;
    demoFileName = *chosen;
    return true;
}

void CheckDemoVersion(const QString& caption, QString& demoFileName, const FileDialogOptions& openDemoDialog)
{
    while (!DemoStartedInTime(caption)) {
        if (!AppDialogs().Confirm(QStringLiteral("Started ") + demoFileName
                                  + QStringLiteral(" have obsolete version number. \r\n\r\nWould you like to search "
                                                   "VespiraShowcase v")
                                  + QString::fromLatin1(SkinEngineVersion) + QStringLiteral("?")))
            return;
        CloseDemoProgram(caption);
        if (!AskForDemo(demoFileName, openDemoDialog))
            return;
        StartDemo(demoFileName);
    }
}

} // namespace

void NotifyOrStartDemo(const QString& caption, QString& demoFileName, const FileDialogOptions& openDemoDialog)
{
    if (PostWindowMessage(caption, PreviewMessage, PreviewReloadRequest, 0) || demoStarting)
        return;
    if (!QFileInfo(demoFileName).isFile() && !AskForDemo(demoFileName, openDemoDialog))
        return;
    demoStarting = true;
    StartDemo(demoFileName);
    CheckDemoVersion(caption, demoFileName, openDemoDialog);
    demoStarting = false;
}

void CloseDemoProgram(const QString& caption) { PostWindowMessage(caption, PreviewMessage, PreviewCloseRequest, 0); }
