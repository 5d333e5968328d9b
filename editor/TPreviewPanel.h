#pragma once

#include <QPushButton>

#include <functional>

// A panel that opens a picker (gradient builder, pattern tool) and shows what
// was picked; while there is nothing to show it reads "Click for choosing".
class TPreviewPanel : public QPushButton
{
public:
    // Paints the preview over the rectangle; false when there is nothing to show.
    using TPaintPreview = std::function<bool(QPainter& painter, const QRect& rect)>;

    explicit TPreviewPanel(TPaintPreview paintPreview, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TPaintPreview paintPreview_;
};
