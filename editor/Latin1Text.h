#pragma once

#include <QString>

#include <string>
#include <string_view>

// Skin text is 8-bit and kept byte for byte: it crosses to Qt as Latin-1.
inline QString Latin1Text(std::string_view bytes)
{
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

inline std::string Latin1Bytes(const QString& text) { return text.toLatin1().toStdString(); }
