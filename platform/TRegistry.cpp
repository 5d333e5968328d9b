#include "platform/TRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

namespace {

QString& overriddenFileName()
{
    static QString fileName;
    return fileName;
}

struct Section
{
    QString name;
    TRegistry::Values values;
};

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

QList<Section> readSections(const QString& fileName)
{
    QList<Section> sections;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return sections;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            sections.append({trimmed.mid(1, trimmed.size() - 2), {}});
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && !sections.isEmpty())
            sections.last().values.append({line.left(equals).trimmed(), line.mid(equals + 1)});
    }
    return sections;
}

QByteArray textOf(const QList<Section>& sections)
{
    QString text;
    for (const Section& section : sections) {
        text += QLatin1Char('[') + section.name + QStringLiteral("]\n");
        for (const auto& [name, value] : section.values)
            text += name + QLatin1Char('=') + value + QLatin1Char('\n');
    }
    return text.toUtf8();
}

Section& sectionForWrite(QList<Section>& sections, const QString& key)
{
    for (Section& section : sections) {
        if (sameName(section.name, key))
            return section;
    }
    sections.append({key, {}});
    return sections.last();
}

void setValue(TRegistry::Values& values, const QString& name, const QString& value)
{
    for (auto& entry : values) {
        if (sameName(entry.first, name)) {
            entry.second = value;
            return;
        }
    }
    values.append({name, value});
}

// A value is one line of the file.
QString oneLine(QString text) { return text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' ')); }

} // namespace

QString TRegistry::FileName()
{
    if (!overriddenFileName().isEmpty())
        return overriddenFileName();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/vespira/registry.ini");
}

void TRegistry::SetFileName(const QString& fileName) { overriddenFileName() = fileName; }

bool TRegistry::WriteStrings(const QString& key, const Values& values)
{
    const QString fileName = FileName();
    QList<Section> sections = readSections(fileName);
    Section& section = sectionForWrite(sections, key);
    for (const auto& [name, value] : values)
        setValue(section.values, name, oneLine(value));

    QDir().mkpath(QFileInfo(fileName).absolutePath());
    // Unbuffered, so a short write (a full disk) is seen before the rename.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray text = textOf(sections);
    if (file.write(text) != text.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString TRegistry::ReadString(const QString& key, const QString& name)
{
    for (const Section& section : readSections(FileName())) {
        if (!sameName(section.name, key))
            continue;
        for (const auto& [valueName, value] : section.values) {
            if (sameName(valueName, name))
                return value;
        }
    }
    return {};
}
