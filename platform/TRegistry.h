#pragma once

#include <QList>
#include <QString>

#include <utility>

// The current user's registry, kept as an INI file: a key path such as
// "Software\Vespira\Editor" is a section, its values are "name=value" lines.
// Key paths and value names are matched without regard to case, as the
// registry does. The file lives in the user's config folder
// ($XDG_CONFIG_HOME/vespira/registry.ini, else ~/.config/vespira/registry.ini).
class TRegistry
{
public:
    using Values = QList<std::pair<QString, QString>>;

    static QString FileName();
    // Points every later read and write at another file (tests); an empty
    // name goes back to the user's config folder.
    static void SetFileName(const QString& fileName);

    // Writes the values under the key, creating key and file when missing.
    // The file is replaced through a temporary file, so readers never see a
    // half-written one; false when it could not be written.
    static bool WriteStrings(const QString& key, const Values& values);
    // Empty when the key or the value is missing.
    static QString ReadString(const QString& key, const QString& name);
};
