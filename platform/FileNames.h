#pragma once

#include <QString>

#include <string>
#include <string_view>

// Skins come from a file system that ignores letter case ("MASTER.BMP" names a
// file saved as "Master.bmp"). This is the one place that finds a file inside
// a folder without regard to case: the exact name wins, otherwise the first
// entry (in name order) that differs only in case. Returns the full path, or
// an empty string when the folder holds no such file.
QString FindFileIgnoringCase(const QString& folder, const QString& name);

// File names cross between Qt and the 8-bit lower layers as the bytes the
// file system uses, so a name read from a settings file opens the same file.
std::string FileNameBytes(const QString& fileName);
QString FileNameText(std::string_view bytes);
