#include "editor/TPreviewPanel.h"

#include <QPainter>

TPreviewPanel::TPreviewPanel(TPaintPreview paintPreview, QWidget* parent)
    : QPushButton(QStringLiteral("Click for choosing"), parent), paintPreview_(std::move(paintPreview))
{
}

void TPreviewPanel::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    // The frame and focus of the button stay visible around the preview.
    QPainter painter(this);
    paintPreview_(painter, rect().adjusted(4, 4, -4, -4));
}
