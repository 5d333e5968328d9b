#include "platform/FileNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString FindFileIgnoringCase(const QString& folder, const QString& name)
{
    const QDir dir(folder);
    const QString exact = dir.filePath(name);
    if (QFileInfo(exact).isFile())
        return exact;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return {};
}

std::string FileNameBytes(const QString& fileName) { return QFile::encodeName(fileName).toStdString(); }

QString FileNameText(std::string_view bytes)
{
    return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}
