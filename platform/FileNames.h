#pragma once

#include <QString>

#include <string>
#include <string_view>

// File names cross between Qt and the 8-bit lower layers as the bytes the
// file system uses, so a name read from a settings file opens the same file.
std::string FileNameBytes(const QString& fileName);
QString FileNameText(std::string_view bytes);
