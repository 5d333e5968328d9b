#pragma once

#include "graphics/BmpWriter.h"
#include "graphics/TBitmap.h"
#include "support/TestFiles.h"

#include <QBuffer>
#include <QImage>

#include <string>

// Small real image files for skins built in a test.

inline TBitmap FilledBitmap(int width, int height, TColor color, TPixelFormat format = TPixelFormat::pf24bit)
{
    TBitmap bmp(width, height, format);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* p = bmp.ScanLine(y);
        for (int x = 0; x < width; ++x, p += bmp.BytesPerPixel()) {
            p[0] = GetBValue(color);
            p[1] = GetGValue(color);
            p[2] = GetRValue(color);
            if (format == TPixelFormat::pf32bit)
                p[3] = 255;
        }
    }
    return bmp;
}

inline QByteArray BmpBytes(int width, int height, TColor color)
{
    const std::vector<std::uint8_t> bytes = EncodeBmp(FilledBitmap(width, height, color));
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

inline QByteArray ImageBytes(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

inline QByteArray JpegBytes(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(QColor(40, 120, 200));
    return ImageBytes(image, "JPG");
}

inline std::string StdPath(const QString& path)
{
    return path.toStdString();
}

inline std::vector<std::uint8_t> PixelBytes(const TBitmap& bmp, int y = 0)
{
    return {bmp.ScanLine(y), bmp.ScanLine(y) + bmp.Width() * bmp.BytesPerPixel()};
}
