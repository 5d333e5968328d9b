#include "editor/TGradientPanel.h"

#include "editor/sGradBuilder.h"

#include <QPainter>

TGradientPanel::TGradientPanel(const TsGradArray& steps, QWidget* parent)
    : QPushButton(QStringLiteral("Click for choosing"), parent), steps_(steps)
{
}

void TGradientPanel::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    if (steps_.empty())
        return;
    // The frame and focus of the button stay visible around the gradient.
    QPainter painter(this);
    PaintGradientPreview(painter, rect().adjusted(4, 4, -4, -4), steps_);
}
