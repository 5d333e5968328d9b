#include "editor/TPercentBar.h"

#include "editor/ResetButton.h"
#include "editor/TFocusedWheel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QToolButton>

TPercentBar::TPercentBar(const QString& key, QWidget* parent) : QWidget(parent), key_(key)
{
    TrackBar = new QSlider(Qt::Horizontal);
    TrackBar->setRange(0, 100);
    TrackBar->setPageStep(10);
    TrackBar->setToolTip(key);
    TFocusedWheel::Install(TrackBar);
    Label = new QLabel(QStringLiteral("0%"));
    Label->setMinimumWidth(Label->fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 4);
    Label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    CheckReset = NewResetButton(key);
    QHBoxLayout* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(TrackBar, 1);
    layout->addWidget(Label);
    layout->addWidget(CheckReset);
    setFocusProxy(TrackBar);

    connect(TrackBar, &QSlider::valueChanged, this, [this](int position) { PositionChanged(position); });
    connect(TrackBar, &QSlider::sliderReleased, this, [this] {
        if (OnRelease)
            OnRelease();
    });
    connect(CheckReset, &QToolButton::clicked, this, [this] {
        if (OnReset)
            OnReset();
    });
}

int TPercentBar::Position() const { return TrackBar->value(); }

void TPercentBar::SetPosition(int position)
{
    if (position == TrackBar->value())
        PositionChanged(position);
    else
        TrackBar->setValue(position);
}

bool TPercentBar::Dragging() const { return TrackBar->isSliderDown(); }

int TPercentBar::Snapped(int position)
{
    if (position > 42 && position < 58)
        return 50;
    if (position < 8)
        return 0;
    if (position > 92)
        return 100;
    return position;
}

void TPercentBar::PositionChanged(int position)
{
    const int snapped = Snapped(position);
    if (snapped != position) {
        // The bar's own change signal brings the snapped position back here.
        TrackBar->setValue(snapped);
        return;
    }
    Label->setText(QString::number(position) + QLatin1Char('%'));
    if (OnChange)
        OnChange();
    CheckReset->setEnabled(position != 0);
}
