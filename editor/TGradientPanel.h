#pragma once

#include "graphics/GradientStep.h"

#include <QPushButton>

// The panel that opens the gradient builder: it shows the section's gradient,
// or "Click for choosing" while there is none.
class TGradientPanel : public QPushButton
{
public:
    // steps is the gradient shown; it must outlive the panel.
    TGradientPanel(const TsGradArray& steps, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TsGradArray& steps_;
};
