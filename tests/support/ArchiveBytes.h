#pragma once

#include <QByteArray>
#include <QList>
#include <QtEndian>
#include <zlib.h>

// Packed archives built byte by byte with zlib directly, so tests do not rely
// on our own writer to check our reader.

inline QByteArray int32LE(qint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

inline QByteArray zlibStream(const QByteArray& content, int level = Z_DEFAULT_COMPRESSION)
{
    uLongf size = compressBound(uLong(content.size()));
    QByteArray out(int(size), '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(content.constData()),
              uLong(content.size()), level);
    out.truncate(int(size));
    return out;
}

struct RawEntry
{
    QByteArray name;
    QByteArray content;
    int level = Z_DEFAULT_COMPRESSION;
    qint64 declaredSize = -1; // the stored U; -1 for the content's size
};

inline QByteArray entryBytes(const RawEntry& entry)
{
    const qint64 size = entry.declaredSize < 0 ? entry.content.size() : entry.declaredSize;
    return int32LE(qint32(entry.name.size())) + entry.name + int32LE(qint32(size)) +
           zlibStream(entry.content, entry.level);
}

inline QByteArray archiveBytes(const QList<RawEntry>& entries)
{
    QByteArray out = QByteArray("VPak") + int32LE(qint32(entries.size()));
    for (const RawEntry& entry : entries)
        out += entryBytes(entry);
    return out;
}
