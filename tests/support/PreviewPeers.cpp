#include "support/PreviewPeers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <csignal>

namespace {

QString shellQuoted(QString text) { return QLatin1Char('\'') + text.replace(QLatin1Char('\''), QStringLiteral("'\\''")) + QLatin1Char('\''); }

bool isPeerProcess(qint64 pid)
{
    return readFileBytes(QStringLiteral("/proc/%1/cmdline").arg(pid)).contains("PreviewPeer");
}

} // namespace

PreviewPeers::PreviewPeers(const TestFolder& folder)
    : folder_(folder), logFile_(folder.file(QStringLiteral("peers.log")))
{
}

PreviewPeers::~PreviewPeers()
{
    QList<qint64> running;
    for (const QString& line : lines(QStringLiteral("started"))) {
        const qint64 pid = line.section(QLatin1Char(' '), 1, 1).toLongLong();
        if (pid > 0 && isPeerProcess(pid)) {
            ::kill(static_cast<pid_t>(pid), SIGTERM);
            running.append(pid);
        }
    }
    // Gone before the test's folders are removed, so none is written meanwhile.
    waitUntil([&] { return std::none_of(running.begin(), running.end(), isPeerProcess); }, 5000);
}

QString PreviewPeers::addProgram(const QString& relative, const QString& caption, int delayMs) const
{
    const QString delay = delayMs > 0 ? QStringLiteral("sleep %1\n").arg(delayMs / 1000.0) : QString();
    const QString script = QStringLiteral("#!/bin/sh\n%1exec %2 --log %3 --caption %4 \"$@\"\n")
                               .arg(delay, shellQuoted(QStringLiteral(VESPIRA_PREVIEW_PEER_PATH)), shellQuoted(logFile_),
                                    shellQuoted(caption));
    const QString path = folder_.write(relative, script.toUtf8());
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
    return path;
}

QStringList PreviewPeers::log() const
{
    return QString::fromUtf8(readFileBytes(logFile_)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList PreviewPeers::lines(const QString& prefix) const
{
    QStringList found;
    for (const QString& line : log()) {
        if (line.startsWith(prefix))
            found.append(line);
    }
    return found;
}

bool PreviewPeers::waitForLines(const QString& prefix, int count) const
{
    return waitUntil([&] { return lines(prefix).size() >= count; });
}

bool waitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    return true;
}
