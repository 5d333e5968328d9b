#pragma once

#include "graphics/GradientStep.h"
#include "graphics/TColor.h"

#include <QDialog>
#include <QFrame>
#include <QRect>

#include <string>
#include <vector>

class QAction;
class QGroupBox;
class QPainter;
class QMenu;
class QPushButton;
class QRadioButton;
class QWidget;

// A coloured marker on the builder's strip: 6 pixels high, moved only up and down.
class TGradPoint : public QFrame
{
    Q_OBJECT

public:
    TGradPoint(QWidget* strip, TColor color, int top);
    TColor Color() const { return color_; }
    void SetColor(TColor color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TColor color_;
};

// "Gradient builder": builds gradient data visually, by coloured markers along a
// strip (vertical and horizontal gradients) or by five corner and centre
// colours (diagonal), previewed with the engine's own gradient painter.
class TGradBuilder : public QDialog
{
    Q_OBJECT

public:
    enum TResult { mrClear = 0, mrOK = 1, mrCancel = 2 };

    explicit TGradBuilder(QWidget* parent = nullptr);

    // A gradient of two or more steps is taken over with its direction;
    // anything shorter leaves the fresh two end markers, vertical.
    void SetData(const TsGradArray& steps);
    std::string GetDataString() const;
    // 0 vertical, 1 horizontal, 2 diagonal: the checked radio button.
    int GetDirection() const;
    void SetDirection(int direction);
    void PointsToData();
    void DataToPoints();
    // A triangle colour selector (tag 0 top-left, 1 centre, 2 top-right,
    // 3 bottom-right, 4 bottom-left) took a new colour.
    void TrianglesToData(int tag, TColor color);

    // What the user chose: mrOK, mrCancel or mrClear.
    TResult Result() const { return result_; }
    const TsGradArray& Steps() const { return steps_; }
    // In creation order; the first two are "FirstPoint" and "LastPoint".
    const std::vector<TGradPoint*>& Points() const { return points_; }
    TGradPoint* CurrentPoint() const { return current_; }
    QWidget* Strip() const { return strip_; }
    QMenu* PointMenu() const { return popupMenu_; }
    QAction* ChangeColorAction() const { return changeColor_; }
    QAction* DeleteAction() const { return delete_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void CreateWidgets();
    QWidget* NewPaintBox(QWidget* parent, int width, int height);
    void PaintPreview(QWidget* box);
    void MakeEndPoints();
    void ClearPoints();
    TGradPoint* AddPoint(TColor color, int top);
    void DeleteCurrentPoint();
    void ChooseColor(TGradPoint* point);
    bool StripEvent(QEvent* event);
    bool PointEvent(TGradPoint* point, QEvent* event);
    void SelectorsFromSteps();
    TColor SelectorColor(int tag) const;
    void Finish(TResult result);

    TsGradArray steps_;
    TsGradArray input_;
    std::vector<TGradPoint*> points_;
    TGradPoint* current_ = nullptr;
    TResult result_ = mrClear;
    int dragOffset_ = -1; // pointer position inside the dragged marker, -1 when none

    QGroupBox* linearBox_ = nullptr;
    QGroupBox* trianglesBox_ = nullptr;
    QWidget* paintBox1_ = nullptr;
    QWidget* paintBox2_ = nullptr;
    QWidget* strip_ = nullptr;
    std::vector<QPushButton*> selectors_; // by tag
    std::vector<TColor> selectorColors_;
    std::vector<QRadioButton*> directions_;
    QMenu* popupMenu_ = nullptr;
    QAction* changeColor_ = nullptr;
    QAction* delete_ = nullptr;
};

// Opens the builder on a GRADIENTDATA or HOTGRADIENTDATA value. True when the
// value changed: data is then the new gradient text, or "N/A" when the user
// cleared the gradient (the key is to be deleted).
bool EditGradient(QWidget* parent, std::string& data);

// Paints the gradient steps over rect, as the builder's preview shows them.
void PaintGradientPreview(QPainter& painter, const QRect& rect, const TsGradArray& steps);
