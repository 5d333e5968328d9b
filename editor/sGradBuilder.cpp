#include "editor/sGradBuilder.h"

#include "graphics/TBitmap.h"
#include "graphics/sGradient.h"
#include "platform/Dialogs.h"
#include "skinfiles/sGradientData.h"
#include "skinfiles/sStoreUtils.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

namespace {

constexpr int StripWidth = 29;
constexpr int StripHeight = 220;
constexpr int PointHeight = 6;
constexpr int PointLeft = 5;
// Strip pixels per percent of the painted length.
constexpr double PixelsPerPercent = 2.2;
constexpr TColor clBtnShadow = 0xFF000010;

QColor ToQColor(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

int RoundToInt(double value)
{
    return int(std::nearbyint(value));
}

} // namespace

TGradPoint::TGradPoint(QWidget* strip, TColor color, int top) : QFrame(strip), color_(ColorToRGB(color))
{
    setGeometry(PointLeft, top, strip->width() - 2 * PointLeft, PointHeight);
    setCursor(Qt::SizeVerCursor);
    show();
}

void TGradPoint::SetColor(TColor color)
{
    color_ = ColorToRGB(color);
    update();
}

void TGradPoint::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(color_));
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

TGradBuilder::TGradBuilder(QWidget* parent) : QDialog(parent)
{
    setObjectName("GradBuilder");
    setWindowTitle("Gradient builder");
    setFixedSize(297, 332);
    CreateWidgets();
    MakeEndPoints();
    PointsToData();
}

QWidget* TGradBuilder::NewPaintBox(QWidget* parent, int width, int height)
{
    auto* box = new QWidget(parent);
    box->resize(width, height);
    box->installEventFilter(this);
    return box;
}

void TGradBuilder::CreateWidgets()
{
    linearBox_ = new QGroupBox(" Linear (faster) ", this);
    linearBox_->setObjectName("sGroupBox1");
    linearBox_->setGeometry(8, 4, 281, 254);
    auto* paintPanel = new QFrame(linearBox_);
    paintPanel->setObjectName("PaintPanel");
    paintPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    paintPanel->setGeometry(12, 20, 221, 224);
    paintBox1_ = NewPaintBox(paintPanel, 217, 220);
    paintBox1_->setObjectName("PaintBox1");
    paintBox1_->move(2, 2);
    strip_ = new QFrame(linearBox_);
    strip_->setObjectName("Panel2");
    static_cast<QFrame*>(strip_)->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    strip_->setGeometry(240, 22, StripWidth, StripHeight);
    strip_->installEventFilter(this);

    trianglesBox_ = new QGroupBox(" Triangles ", this);
    trianglesBox_->setObjectName("sGroupBox2");
    trianglesBox_->setGeometry(8, 4, 281, 254);
    paintBox2_ = NewPaintBox(trianglesBox_, 239, 201);
    paintBox2_->setObjectName("PaintBox2");
    paintBox2_->move(21, 30);
    // Tags 0 top-left, 1 centre, 2 top-right, 3 bottom-right, 4 bottom-left.
    const QPoint places[5] = {{3, 14}, {132, 122}, {262, 14}, {262, 233}, {3, 233}};
    const char* names[5] = {"sColorSelect1", "sColorSelect5", "sColorSelect2", "sColorSelect4", "sColorSelect3"};
    selectorColors_.assign(5, clWhite);
    for (int tag = 0; tag < 5; ++tag) {
        auto* selector = new QPushButton(trianglesBox_);
        selector->setObjectName(names[tag]);
        selector->setGeometry(places[tag].x(), places[tag].y(), 16, 16);
        selector->installEventFilter(this);
        connect(selector, &QPushButton::clicked, this, [this, tag] {
            if (const auto color = AppDialogs().SelectColor(SelectorColor(tag)))
                TrianglesToData(tag, TColor(*color));
        });
        selectors_.push_back(selector);
    }

    const char* captions[3] = {"Vertical", "Horizontal", "Diagonal"};
    for (int tag = 0; tag < 3; ++tag) {
        auto* radio = new QRadioButton(captions[tag], this);
        radio->setObjectName(QString("sRadioButton%1").arg(tag + 1));
        radio->setGeometry(8 + tag * 95, 266, 90, 20);
        connect(radio, &QRadioButton::clicked, this, [this, tag] { SetDirection(tag); });
        directions_.push_back(radio);
    }
    directions_[0]->setChecked(true);
    linearBox_->raise();

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("sButton1");
    ok->setDefault(true);
    ok->setGeometry(8, 298, 85, 25);
    connect(ok, &QPushButton::clicked, this, [this] { Finish(mrOK); });
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("BitBtn1");
    cancel->setGeometry(106, 298, 85, 25);
    connect(cancel, &QPushButton::clicked, this, [this] { Finish(mrCancel); });
    auto* clear = new QPushButton("Clear", this);
    clear->setObjectName("sButton2");
    clear->setGeometry(204, 298, 85, 25);
    connect(clear, &QPushButton::clicked, this, [this] {
        if (AppDialogs().Confirm("Are you sure that want to clear a current gradient information??"))
            Finish(mrClear);
    });

    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName("PopupMenu1");
    changeColor_ = popupMenu_->addAction("Change color", this, [this] { ChooseColor(current_); });
    popupMenu_->setDefaultAction(changeColor_);
    delete_ = popupMenu_->addAction("Delete", this, [this] { DeleteCurrentPoint(); });
}

void TGradBuilder::Finish(TResult result)
{
    result_ = result;
    done(result == mrOK ? QDialog::Accepted : QDialog::Rejected);
}

// Closing by the title bar or Escape keeps the gradient: it counts as Cancel.
void TGradBuilder::reject()
{
    result_ = mrCancel;
    QDialog::reject();
}

void TGradBuilder::MakeEndPoints()
{
    auto* first = AddPoint(clWhite, 0);
    first->setObjectName("FirstPoint");
    auto* last = AddPoint(clBtnShadow, StripHeight - PointHeight);
    last->setObjectName("LastPoint");
}

TGradPoint* TGradBuilder::AddPoint(TColor color, int top)
{
    auto* point = new TGradPoint(strip_, color, top);
    point->installEventFilter(this);
    points_.push_back(point);
    return point;
}

void TGradBuilder::ClearPoints()
{
    for (TGradPoint* point : points_)
        delete point;
    points_.clear();
    current_ = nullptr;
    dragOffset_ = -1;
}

void TGradBuilder::SetData(const TsGradArray& steps)
{
    input_ = steps;
    if (steps.size() < 2)
        return;
    steps_ = steps;
    SetDirection(steps.front().Mode);
}

std::string TGradBuilder::GetDataString() const
{
    return FormatGradientData(steps_);
}

int TGradBuilder::GetDirection() const
{
    if (directions_[0]->isChecked())
        return 0;
    return directions_[1]->isChecked() ? 1 : 2;
}

void TGradBuilder::SetDirection(int direction)
{
    direction = std::clamp(direction, 0, 2);
    directions_[std::size_t(direction)]->setChecked(true);
    if (direction == 2) {
        trianglesBox_->raise();
    } else {
        linearBox_->raise();
        if (points_.empty())
            MakeEndPoints();
    }
    for (GradientStep& step : steps_)
        step.Mode = direction;
    DataToPoints();
}

void TGradBuilder::PointsToData()
{
    const int direction = GetDirection();
    if (direction == 2) {
        for (std::size_t i = 0; i < std::min<std::size_t>(steps_.size(), 5); ++i)
            steps_[i].Color1 = selectorColors_[i];
        paintBox2_->update();
        return;
    }
    steps_.clear();
    if (points_.size() < 2)
        return;
    TGradPoint* const last = points_[1];
    TGradPoint* current = points_.front();
    for (std::size_t i = 0; i < points_.size(); ++i) {
        TGradPoint* next = nullptr;
        for (TGradPoint* p : points_)
            if (p->y() > current->y() && (!next || p->y() <= next->y()))
                next = p; // the nearest below; of equal ones the later made
        if (!next)
            next = last;
        const int percent = std::clamp(RoundToInt((next->y() - current->y()) / PixelsPerPercent), 0, 100);
        steps_.push_back(GradientStep{current->Color(), next->Color(), std::uint32_t(percent), direction, 0});
        current = next;
    }
    paintBox1_->update();
}

void TGradBuilder::DataToPoints()
{
    const std::size_t n = steps_.size();
    ClearPoints();
    if (GetDirection() == 2) {
        SelectorsFromSteps();
    } else {
        MakeEndPoints();
        if (n > 0) {
            points_[0]->SetColor(steps_.front().Color1);
            points_[1]->SetColor(steps_.back().Color2);
        }
        int top = 0;
        for (std::size_t i = 1; i + 1 < n; ++i) {
            top += RoundToInt(steps_[i - 1].Percent * PixelsPerPercent);
            AddPoint(steps_[i].Color1, top);
        }
    }
    PointsToData();
}

void TGradBuilder::SelectorsFromSteps()
{
    for (std::size_t tag = 0; tag < 5; ++tag) {
        TColor color = tag < steps_.size() ? ColorToRGB(steps_[tag].Color1) : tag > 0 ? selectorColors_[tag - 1] : 0;
        selectorColors_[tag] = color;
        selectors_[tag]->setStyleSheet(QString("background-color: %1").arg(ToQColor(color).name()));
    }
}

TColor TGradBuilder::SelectorColor(int tag) const
{
    return selectorColors_[std::size_t(tag)];
}

void TGradBuilder::TrianglesToData(int tag, TColor color)
{
    if (steps_.size() < 5)
        steps_.resize(5);
    steps_[std::size_t(tag)].Color1 = ColorToRGB(color);
    selectorColors_[std::size_t(tag)] = ColorToRGB(color);
    const TColor topLeft = SelectorColor(0), centre = SelectorColor(1), topRight = SelectorColor(2),
                 bottomRight = SelectorColor(3), bottomLeft = SelectorColor(4);
    const int direction = GetDirection();
    steps_ = {{topLeft, centre, 24, direction, 0},
              {centre, topRight, 24, direction, 0},
              {topRight, bottomRight, 24, direction, 0},
              {bottomRight, bottomLeft, 24, direction, 0},
              {bottomLeft, bottomLeft, 0, direction, 0}};
    DataToPoints();
}

void TGradBuilder::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    PointsToData();
    SetDirection(input_.size() >= 2 ? std::max(input_.front().Mode, 0) : 0);
}

void TGradBuilder::PaintPreview(QWidget* box)
{
    QPainter painter(box);
    PaintGradientPreview(painter, box->rect(), steps_);
}

void PaintGradientPreview(QPainter& painter, const QRect& rect, const TsGradArray& steps)
{
    if (rect.isEmpty())
        return;
    TBitmap bitmap(rect.width(), rect.height());
    PaintGradient(bitmap, TRect{0, 0, bitmap.Width(), bitmap.Height()}, steps);
    const QImage view(bitmap.ScanLine(0), bitmap.Width(), bitmap.Height(), qsizetype(bitmap.Stride()),
                      QImage::Format_BGR888);
    painter.drawImage(rect.topLeft(), view);
}

void TGradBuilder::ChooseColor(TGradPoint* point)
{
    if (!point)
        return;
    current_ = point;
    if (const auto color = AppDialogs().SelectColor(point->Color())) {
        point->SetColor(TColor(*color));
        PointsToData();
    }
}

void TGradBuilder::DeleteCurrentPoint()
{
    if (!current_ || current_ == points_[0] || current_ == points_[1])
        return;
    points_.erase(std::find(points_.begin(), points_.end(), current_));
    delete current_;
    current_ = nullptr;
    PointsToData();
}

bool TGradBuilder::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && (watched == paintBox1_ || watched == paintBox2_)) {
        PaintPreview(static_cast<QWidget*>(watched));
        return true;
    }
    if (watched == strip_)
        return StripEvent(event);
    if (auto* point = qobject_cast<TGradPoint*>(watched))
        if (std::find(points_.begin(), points_.end(), point) != points_.end())
            return PointEvent(point, event);
    return QDialog::eventFilter(watched, event);
}

// A click on the strip beside the markers adds a white one there.
bool TGradBuilder::StripEvent(QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const int top = std::clamp(int(mouse->position().y()), 0, StripHeight - PointHeight);
    AddPoint(clWhite, top);
    PointsToData();
    return true;
}

bool TGradBuilder::PointEvent(TGradPoint* point, QEvent* event)
{
    const bool endPoint = point == points_[0] || point == points_[1];
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        current_ = point;
        dragOffset_ = mouse->button() == Qt::LeftButton && !endPoint ? int(mouse->position().y()) : -1;
        return true;
    }
    case QEvent::MouseMove: {
        if (dragOffset_ < 0 || point != current_)
            return true;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int pointer = point->mapToParent(mouse->position().toPoint()).y();
        const int top = std::clamp(pointer - dragOffset_, 0, StripHeight - PointHeight);
        if (top != point->y()) {
            point->move(PointLeft, top);
            PointsToData();
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
        dragOffset_ = -1;
        PointsToData();
        return true;
    case QEvent::MouseButtonDblClick:
        dragOffset_ = -1;
        ChooseColor(point);
        return true;
    case QEvent::ContextMenu:
        current_ = point;
        delete_->setEnabled(!endPoint);
        popupMenu_->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    default:
        return false;
    }
}

bool EditGradient(QWidget* parent, std::string& data)
{
    TsGradArray steps;
    try {
        ParseGradientData(data, steps);
    } catch (const EConvertError&) {
        steps.clear(); // a damaged value opens as no gradient
    }
    TGradBuilder builder(parent);
    builder.SetData(steps);
    builder.exec();
    switch (builder.Result()) {
    case TGradBuilder::mrOK:
        data = builder.GetDataString();
        return true;
    case TGradBuilder::mrClear:
        data = "N/A";
        return true;
    default:
        return false;
    }
}
