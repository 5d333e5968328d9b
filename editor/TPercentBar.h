#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QSlider;
class QToolButton;

// A percentage of a skin section: a bar from 0 to 100 (page step 10), the
// value followed by "%" beside it, and the reset button. Positions snap to
// 0, 50 and 100 near them. A bar may have a partner: the two never add up to
// more than 100.
class TPercentBar : public QWidget
{
public:
    explicit TPercentBar(const QString& key, QWidget* parent = nullptr);

    const QString& Key() const { return key_; }
    int Position() const;
    // Moves the bar; the change handling runs as for a move by the user.
    void SetPosition(int position);
    // True while the user drags the bar with the mouse.
    bool Dragging() const;

    // 0 below 8, 100 above 92, 50 strictly between 42 and 58.
    static int Snapped(int position);

    QSlider* TrackBar;
    QLabel* Label;
    QToolButton* CheckReset;
    TPercentBar* Partner = nullptr;
    // Runs after every settled change of the position (snapping done, label
    // and reset button updated).
    std::function<void()> OnChange;
    // Runs when the mouse releases the bar.
    std::function<void()> OnRelease;
    std::function<void()> OnReset;

private:
    void PositionChanged(int position);

    QString key_;
};
