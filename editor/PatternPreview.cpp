#include "editor/PatternPreview.h"

#include "editor/ChooseImage.h"
#include "editor/PictureFiles.h"
#include "editor/Unit1.h"
#include "graphics/TBitmap.h"
#include "graphics/TRect.h"
#include "platform/FileNames.h"
#include "skinfiles/FolderListing.h"
#include "skinfiles/sImageValues.h"
#include "skinfiles/sStoreUtils.h"

#include <QPainter>

#include <optional>

namespace {

// The rectangle of a texture value ("~", or the legacy "#"); nothing when its
// numbers cannot be read.
std::optional<TRect> TextureRectangle(const std::string& value)
{
    std::optional<TsImageValue> image;
    if (value.front() == '~') {
        try {
            image = ParseTextureValue(value);
        } catch (const EConvertError&) {
            return std::nullopt;
        }
    } else {
        image = ParseLegacyValue(value);
    }
    if (!image)
        return std::nullopt;
    return TRect{image->Left, image->Top, image->Right, image->Bottom};
}

// The master bitmap's part within the rectangle, or an empty image.
QImage MasterPiece(const TBitmap& master, const TRect& rectangle)
{
    const QRect piece = QRect(rectangle.Left, rectangle.Top, rectangle.Width(), rectangle.Height())
                            .intersected(QRect(0, 0, master.Width(), master.Height()));
    return piece.isEmpty() ? QImage() : BitmapImage(master).copy(piece);
}

QImage FilePicture(const TMainForm& form, const std::string& value)
{
    // A file value names its file in its first word.
    const std::string name = value.front() == '!' ? ParseFileValue(value).FileName : value;
    const std::string path = FindFileNoCase(FileNameBytes(form.SkinFolder()), name);
    TBitmap picture;
    if (path.empty() || !LoadPictureFile(FileNameText(path), picture).isEmpty())
        return {};
    return BitmapImage(picture).copy();
}

} // namespace

bool PaintPatternPreview(QPainter& painter, const QRect& rect, const QString& value, const TMainForm& form)
{
    if (value.isEmpty() || value == ImageValueNone || !form.MasterBitmap)
        return false;
    const std::string text = value.toLatin1().toStdString();
    QImage tile;
    if (text.front() == '~' || text.find('#') != std::string::npos) {
        if (const std::optional<TRect> rectangle = TextureRectangle(text))
            tile = MasterPiece(*form.MasterBitmap, *rectangle);
    } else {
        try {
            tile = FilePicture(form, text);
        } catch (const EConvertError&) {
            return false;
        }
    }
    if (tile.isNull())
        return false;
    painter.save();
    painter.setClipRect(rect);
    painter.setBrushOrigin(rect.topLeft());
    painter.fillRect(rect, QBrush(tile));
    painter.restore();
    return true;
}
