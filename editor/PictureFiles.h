#pragma once

#include "graphics/TBitmap.h"

#include <QImage>
#include <QString>

// The one place where the editor's image tools read picture files (BMP, PNG,
// JPEG). Returns "" and fills picture (24 bits, or 32 with an alpha channel)
// on success; otherwise the message to show, and picture is left as it was.
QString LoadPictureFile(const QString& fileName, TBitmap& picture);

// The bitmap's rows seen as an image (blue, green, red and alpha bytes) for
// drawing with Qt; it shares the rows while the bitmap is unchanged.
QImage BitmapImage(const TBitmap& bitmap);
