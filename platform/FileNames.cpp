#include "platform/FileNames.h"

#include <QFile>

std::string FileNameBytes(const QString& fileName) { return QFile::encodeName(fileName).toStdString(); }

QString FileNameText(std::string_view bytes)
{
    return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}
