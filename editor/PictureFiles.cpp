#include "editor/PictureFiles.h"

#include "graphics/BmpReader.h"
#include "graphics/GraphicErrors.h"
#include "graphics/JpegReader.h"
#include "graphics/ovPNG.h"

#include <QByteArray>
#include <QFile>

#include <cstring>

namespace {

bool StartsWith(const QByteArray& bytes, const char* magic, std::size_t length)
{
    return std::size_t(bytes.size()) >= length && std::memcmp(bytes.constData(), magic, length) == 0;
}

// The format is told by the file's first bytes, whatever its name says.
TBitmap DecodePicture(const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    const std::size_t size = std::size_t(bytes.size());
    if (StartsWith(bytes, "\x89PNG\r\n\x1a\n", 8)) {
        TPNGGraphic png;
        png.LoadFromMemory(data, size);
        return std::move(png.Bitmap());
    }
    if (StartsWith(bytes, "BM", 2))
        return ReadBmp(data, size);
    if (StartsWith(bytes, "\xff\xd8", 2))
        return ReadJpeg(data, size);
    throw EInvalidGraphic("Cannot load image. Unknown picture file format.");
}

} // namespace

QString LoadPictureFile(const QString& fileName, TBitmap& picture)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("Cannot open file ") + fileName;
    try {
        picture = DecodePicture(file.readAll());
    } catch (const EInvalidGraphic& error) {
        return QString::fromLatin1(error.what());
    }
    return {};
}

QImage BitmapImage(const TBitmap& bitmap)
{
    const QImage::Format format =
        bitmap.PixelFormat() == TPixelFormat::pf32bit ? QImage::Format_ARGB32 : QImage::Format_BGR888;
    if (bitmap.Stride() > 0)
        return QImage(bitmap.ScanLine(0), bitmap.Width(), bitmap.Height(), qsizetype(bitmap.Stride()), format);
    QImage copy(bitmap.Width(), bitmap.Height(), format);
    for (int y = 0; y < bitmap.Height(); ++y)
        std::memcpy(copy.scanLine(y), bitmap.ScanLine(y), std::size_t(bitmap.Width()) * bitmap.BytesPerPixel());
    return copy;
}
