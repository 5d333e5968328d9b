#include "render/sSkinText.h"

#include "engine/sSkinManager.h"
#include "graphics/sGraphUtils.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>


namespace {

QColor ToQColor(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

QString ToQString(const std::string& text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QRect ToQRect(const TRect& r)
{
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}

// Text drawn straight into the bitmap's rows.
class TTextPainter
{
public:
    explicit TTextPainter(TsTextCanvas& canvas)
        : canvas_(canvas)
        , image_(canvas.Bitmap.ScanLine(0), canvas.Bitmap.Width(), canvas.Bitmap.Height(),
                 qsizetype(canvas.Bitmap.Stride()), QImage::Format_BGR888)
        , painter_(&image_)
    {
        painter_.setFont(canvas.Font);
    }

    void Clip(const TRect& rect) { painter_.setClipRect(ToQRect(rect)); }

    // In the canvas colour.
    void Draw(const TRect& rect, int format, const QString& text)
    {
        painter_.setPen(ToQColor(canvas_.FontColor));
        painter_.drawText(ToQRect(rect), format, text);
    }

    // The four contour colours that are set, each with the text moved one
    // pixel towards its side, then the text colour.
    void DrawContoured(const TsFontColors& colors, const TRect& rect, int format, const QString& text)
    {
        static constexpr int dx[4] = {-1, 0, 1, 0}, dy[4] = {0, -1, 0, 1};
        for (int side = 0; side < 4; ++side) {
            const TColor contour = colors[side + 2];
            if (contour == TColor(-1))
                continue;
            canvas_.FontColor = contour;
            Draw(TRect{rect.Left + dx[side], rect.Top + dy[side], rect.Right + dx[side], rect.Bottom + dy[side]},
                 format, text);
        }
        canvas_.FontColor = colors[1];
        Draw(rect, format, text);
    }

private:
    TsTextCanvas& canvas_;
    QImage image_;
    QPainter painter_;
};

bool CanWrite(const TsTextCanvas& canvas, const std::string& text)
{
    return !text.empty() && canvas.Bitmap.PixelFormat() == TPixelFormat::pf24bit && !canvas.Bitmap.Empty();
}

const TsGeneralData* ValidSection(const TsSkinManager* skin, int sectionIndex)
{
    return skin && skin->IsValidSection(sectionIndex) ? &skin->SectionArray[std::size_t(sectionIndex)] : nullptr;
}

TColor DisabledColor(const TsGeneralData& section, TColor under)
{
    return MixColor(ColorToRGB(section.FontColor[1]), ColorToRGB(under), 0.4);
}

} // namespace

void WriteSkinText(TsTextCanvas& canvas, const std::string& text, bool enabled, bool hot, int sectionIndex,
                   bool customFont, TsSkinManager* manager, int format, TRect rect)
{
    if (!CanWrite(canvas, text))
        return;
    const TsSkinManager* skin = manager ? manager : TsSkinManager::DefaultManager();
    const TsGeneralData* section = ValidSection(skin, sectionIndex);
    TTextPainter painter(canvas);
    painter.Clip(rect);
    const QString caption = ToQString(text);
    if (enabled) {
        format |= Qt::TextDontClip;
        if (!customFont && section)
            painter.DrawContoured(hot ? section->HotFontColor : section->FontColor, rect, format, caption);
        else
            painter.Draw(rect, format, caption);
        return;
    }
    if (section)
        canvas.FontColor = DisabledColor(*section, skin->GlobalColor());
    painter.Draw(rect, format, caption);
}

void WriteSectionText(TsTextCanvas& canvas, const std::string& text, bool enabled, TsSkinManager* manager, bool hot,
                      int sectionIndex, int format, TRect rect)
{
    const TsGeneralData* section = ValidSection(manager ? manager : TsSkinManager::DefaultManager(), sectionIndex);
    if (!section || !CanWrite(canvas, text))
        return;
    TTextPainter painter(canvas);
    const QString caption = ToQString(text);
    if (enabled) {
        painter.DrawContoured(hot ? section->HotFontColor : section->FontColor, rect, format, caption);
        return;
    }
    canvas.FontColor = DisabledColor(*section, section->Color);
    painter.Draw(rect, format, caption);
}

std::string FitTextWithEllipsis(const TsTextCanvas& canvas, const std::string& text, int width)
{
    const QFontMetrics metrics(canvas.Font);
    if (metrics.horizontalAdvance(ToQString(text)) <= width)
        return text;
    std::string kept = text;
    while (!kept.empty() && metrics.horizontalAdvance(ToQString(kept + "...")) > width)
        kept.pop_back();
    return kept.empty() ? std::string() : kept + "...";
}
