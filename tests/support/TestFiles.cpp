#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TestFolder::TestFolder() = default;

QString TestFolder::path() const { return dir_.path(); }

QString TestFolder::file(const QString& relative) const { return dir_.filePath(relative); }

QString TestFolder::write(const QString& relative, const QByteArray& bytes) const
{
    const QString target = file(relative);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile out(target);
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        out.write(bytes);
    return target;
}

QByteArray TestFolder::read(const QString& relative) const { return readFileBytes(file(relative)); }

QString TestFolder::makeDir(const QString& relative) const
{
    const QString target = file(relative);
    QDir().mkpath(target);
    return target;
}

QByteArray readFileBytes(const QString& path)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    return in.readAll();
}

QString sharedTestData(const QString& relative)
{
    return QStringLiteral(VESPIRA_TESTDATA_DIR "/") + relative;
}
