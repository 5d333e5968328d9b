#include "editor/PictureFiles.h"

#include <QImage>

#include <cstring>

QString LoadPictureFile(const QString& fileName, TBitmap& picture)
{
    QImage image;
    if (!image.load(fileName) || image.isNull())
        return QStringLiteral("Cannot load image. Invalid or unexpected image format.");
    const bool alpha = image.hasAlphaChannel();
    image = image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_BGR888);
    TBitmap loaded(image.width(), image.height(), alpha ? TPixelFormat::pf32bit : TPixelFormat::pf24bit);
    const std::size_t rowBytes = std::size_t(image.width()) * loaded.BytesPerPixel();
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(loaded.ScanLine(y), image.constScanLine(y), rowBytes);
    picture = std::move(loaded);
    return {};
}
