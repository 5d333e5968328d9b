#include "editor/Unit3.h"

#include "editor/PictureFiles.h"
#include "platform/FileNames.h"
#include "skinfiles/TMemIniFile.h"
#include "skinfiles/sStoreUtils.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

const char* const settingsSection = "Selection";
constexpr int defaultScale = 4;
constexpr int scrollMargin = 25;
constexpr int frameTextureSize = 60;
constexpr int animationSteps = 60;
constexpr int discreteTiled = 10;
constexpr int largestEditValue = 999999;

const char* const fillTypes[] = {"tiled",          "stretched",         "tiled horz top",    "tiled vert left",
                                 "stretch horz top", "stretch vert left", "tiled horz bottom", "tiled vert right",
                                 "-reserved-",     "-reserved-",        "discrete tiled",    "-reserved-",
                                 "-reserved-",     "-reserved-",        "-reserved-"};

template <typename Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QSpinBox* spinEdit(const char* name, int minimum, int maximum, int value)
{
    QSpinBox* edit = named(new QSpinBox, name);
    edit->setRange(minimum, maximum);
    edit->setValue(value);
    return edit;
}

// A soft-edged yellow diamond on blue: shifted by one pixel per tick it
// visibly crawls along the selection's ring.
QImage FrameTexture()
{
    QImage texture(frameTextureSize, frameTextureSize, QImage::Format_RGB32);
    const int centre = frameTextureSize / 2;
    for (int y = 0; y < frameTextureSize; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(texture.scanLine(y));
        for (int x = 0; x < frameTextureSize; ++x) {
            const int distance = std::abs(x - centre) + std::abs(y - centre);
            const int yellow = std::clamp((centre - distance) * 255 / 8, 0, 255);
            row[x] = qRgb(yellow, yellow, 255 - yellow);
        }
    }
    return texture;
}

constexpr std::uint32_t opaqueBlack = 0xFF000000u;
// Pixels are moved as 32-bit words whose lowest byte is blue.
static_assert(std::endian::native == std::endian::little);

// One opaque 32-bit pixel (blue, green, red, alpha bytes) from a 24-bit one.
std::uint32_t OpaquePixel(const std::uint8_t* bgr)
{
    return opaqueBlack | bgr[0] | std::uint32_t(bgr[1]) << 8 | std::uint32_t(bgr[2]) << 16;
}

void FillPixels(std::uint8_t* target, int count, std::uint32_t pixel)
{
    for (int i = 0; i < count; ++i, target += 4)
        std::memcpy(target, &pixel, 4);
}

// One row of the view: the picture's row from scaled column scrollX on, each
// pixel repeated scale times; the rest of the row black.
void PaintScaledRow(const std::uint8_t* source, int sourceWidth, int scale, int scrollX, std::uint8_t* target,
                    int targetWidth)
{
    int x = 0;
    int column = scrollX / scale;
    if (scale == 1) {
        const int count = std::clamp(sourceWidth - column, 0, targetWidth);
        const std::uint8_t* pixel = source + std::ptrdiff_t(column) * 3;
        std::uint8_t* out = target;
        // Four bytes read at once take the next pixel's blue along, which the
        // alpha byte covers; the row's last pixel is read byte by byte.
        for (; x < count - 1; ++x, pixel += 3, out += 4) {
            std::uint32_t value;
            std::memcpy(&value, pixel, 4);
            value |= opaqueBlack;
            std::memcpy(out, &value, 4);
        }
        if (x < count) {
            const std::uint32_t value = OpaquePixel(pixel);
            std::memcpy(out, &value, 4);
            ++x;
        }
    } else {
        for (int repeat = scale - scrollX % scale; x < targetWidth && column < sourceWidth; ++column, repeat = scale) {
            const int count = std::min(targetWidth - x, repeat);
            FillPixels(target + std::ptrdiff_t(x) * 4, count, OpaquePixel(source + std::ptrdiff_t(column) * 3));
            x += count;
        }
    }
    FillPixels(target + std::ptrdiff_t(x) * 4, targetWidth - x, opaqueBlack);
}

// The opaque view's rows seen as an image: drawn onto a window they are copied
// without conversion or blending.
QImage OpaqueImage(const TBitmap& view)
{
    QImage image = BitmapImage(view);
    return image.reinterpretAsFormat(QImage::Format_RGB32) ? image : image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

void PaintScaledView(const TBitmap& picture, int scale, int scrollX, int scrollY, TBitmap& view)
{
    const std::size_t rowBytes = std::size_t(view.Width()) * 4;
    int previousSourceRow = -1;
    for (int y = 0; y < view.Height(); ++y) {
        std::uint8_t* target = view.ScanLine(y);
        const int sourceRow = (scrollY + y) / scale;
        if (sourceRow == previousSourceRow) {
            // The rows of one cell are alike: the row above is copied.
            std::memcpy(target, view.ScanLine(y - 1), rowBytes);
        } else if (sourceRow >= picture.Height()) {
            FillPixels(target, view.Width(), opaqueBlack);
        } else {
            PaintScaledRow(picture.ScanLine(sourceRow), picture.Width(), scale, scrollX, target, view.Width());
        }
        previousSourceRow = sourceRow;
    }
}

TSelectViewport::TSelectViewport(TFormSelectImage& form) : form_(form)
{
    setFrameShape(QFrame::NoFrame);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setCursor(Qt::CrossCursor);
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    horizontalScrollBar()->setSingleStep(48);
    verticalScrollBar()->setSingleStep(46);
}

void TSelectViewport::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    form_.PaintViewport(painter);
}

void TSelectViewport::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    form_.ViewportResized();
}

void TSelectViewport::scrollContentsBy(int, int) { form_.ViewportScrolled(); }

void TSelectViewport::mousePressEvent(QMouseEvent* event) { form_.ViewportMouseDown(event); }

void TSelectViewport::mouseMoveEvent(QMouseEvent* event) { form_.ViewportMouseMove(event); }

void TSelectViewport::mouseReleaseEvent(QMouseEvent* event) { form_.ViewportMouseUp(event); }

void TSelectViewport::wheelEvent(QWheelEvent* event) { form_.ViewportWheel(event); }

TFormSelectImage::TFormSelectImage(const QString& settingsFileName, QWidget* parent)
    : QDialog(parent), settingsFileName_(settingsFileName)
{
    setObjectName(QStringLiteral("FormSelectImage"));
    setWindowTitle(QStringLiteral("Image selection for property"));
    setSizeGripEnabled(true);
    Image1 = FrameTexture();

    QHBoxLayout* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    sScrollBox1 = named(new TSelectViewport(*this), "sScrollBox1");
    layout->addWidget(sScrollBox1, 1);
    layout->addWidget(CreateControls());
    resize(710, 638);
    setMinimumSize(580, 550);

    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setInterval(30);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    // A scroll made with a scroll bar leaves the view to be snapped to whole
    // cells at the next mouse movement.
    for (QScrollBar* bar : {sScrollBox1->horizontalScrollBar(), sScrollBox1->verticalScrollBar()})
        connect(bar, &QAbstractSlider::actionTriggered, this, [this] { refreshPending_ = true; });

    const TMemIniFile settings(FileNameBytes(settingsFileName_));
    sTrackBar1->setValue(settings.ReadInteger(settingsSection, "Scale", defaultScale));
    scale_ = sTrackBar1->value();
    connect(sTrackBar1, &QSlider::valueChanged, this, [this] { sTrackBar1Change(); });
    // A tool window that comes back minimized would look like a hang.
    if (settings.ReadInteger(settingsSection, "WindowState", 0) == 2)
        setWindowState(Qt::WindowMaximized);
}

TFormSelectImage::~TFormSelectImage() = default;

QWidget* TFormSelectImage::CreateControls()
{
    QWidget* column = new QWidget;
    column->setFixedWidth(190);
    QVBoxLayout* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    QHBoxLayout* modes = new QHBoxLayout;
    sSpeedButton1 = named(new QToolButton, "sSpeedButton1");
    sSpeedButton1->setText(QStringLiteral("Select"));
    sSpeedButton2 = named(new QToolButton, "sSpeedButton2");
    sSpeedButton2->setText(QStringLiteral("Move"));
    sSpeedButton3 = named(new QToolButton, "sSpeedButton3");
    sSpeedButton3->setText(QStringLiteral("-"));
    sSpeedButton3->setEnabled(false);
    QButtonGroup* group = new QButtonGroup(this);
    for (QToolButton* button : {sSpeedButton1, sSpeedButton2}) {
        button->setCheckable(true);
        button->setAutoRaise(true);
        group->addButton(button);
    }
    sSpeedButton1->setChecked(true);
    connect(sSpeedButton1, &QToolButton::clicked, this, [this] { sScrollBox1->viewport()->setCursor(Qt::CrossCursor); });
    connect(sSpeedButton2, &QToolButton::clicked, this, [this] { sScrollBox1->viewport()->setCursor(Qt::SizeAllCursor); });
    modes->addWidget(sSpeedButton1);
    modes->addWidget(sSpeedButton2);
    modes->addWidget(sSpeedButton3);
    layout->addLayout(modes);

    sGroupBox1 = named(new QGroupBox(QStringLiteral("Scale")), "sGroupBox1");
    QHBoxLayout* scale = new QHBoxLayout(sGroupBox1);
    sTrackBar1 = named(new QSlider(Qt::Horizontal), "sTrackBar1");
    sTrackBar1->setRange(1, 8);
    sTrackBar1->setPageStep(1);
    sTrackBar1->setTickPosition(QSlider::TicksBelow);
    scale->addWidget(new QLabel(QStringLiteral("-")));
    scale->addWidget(sTrackBar1, 1);
    scale->addWidget(new QLabel(QStringLiteral("+")));
    layout->addWidget(sGroupBox1);

    sPanel1 = named(new QGroupBox(QStringLiteral("Selection")), "sPanel1");
    QGridLayout* selection = new QGridLayout(sPanel1);
    const char* const edgeNames[] = {"sSpinEdit2", "sSpinEdit3", "sSpinEdit4", "sSpinEdit5"};
    const char* const edgeCaptions[] = {"Left", "Top", "Right", "Bottom"};
    QSpinBox** edges[] = {&sSpinEdit2, &sSpinEdit3, &sSpinEdit4, &sSpinEdit5};
    for (int tag = 0; tag < 4; ++tag) {
        *edges[tag] = spinEdit(edgeNames[tag], 0, largestEditValue, 0);
        selection->addWidget(new QLabel(QString::fromLatin1(edgeCaptions[tag])), tag / 2 * 2, tag % 2);
        selection->addWidget(*edges[tag], tag / 2 * 2 + 1, tag % 2);
        connect(*edges[tag], &QSpinBox::valueChanged, this, [this, tag] { SelectionEditChange(tag); });
    }
    LabelWidth = named(new QLabel, "LabelWidth");
    LabelHeight = named(new QLabel, "LabelHeight");
    selection->addWidget(LabelWidth, 4, 0);
    selection->addWidget(LabelHeight, 4, 1);
    layout->addWidget(sPanel1);

    sCheckBox1 = named(new QCheckBox(QStringLiteral("Mask is used")), "sCheckBox1");
    sCheckBox1->setChecked(true);
    layout->addWidget(sCheckBox1);

    GroupBorderOptions = named(new QGroupBox(QStringLiteral("Options")), "GroupBorderOptions");
    QGridLayout* options = new QGridLayout(GroupBorderOptions);
    sSpinEdit1 = spinEdit("sSpinEdit1", 1, 3, 3);
    sCheckBox3 = named(new QCheckBox(QStringLiteral("Stretch")), "sCheckBox3");
    sCheckBox4 = named(new QCheckBox(QStringLiteral("Active only")), "sCheckBox4");
    sCheckBox4->setToolTip(QStringLiteral("Border is invisible if control is not active"));
    sCheckBox5 = named(new QCheckBox(QStringLiteral("Center filling")), "sCheckBox5");
    options->addWidget(new QLabel(QStringLiteral("States count :")), 0, 0);
    options->addWidget(sSpinEdit1, 0, 1);
    options->addWidget(sCheckBox3, 1, 0, 1, 2);
    options->addWidget(sCheckBox4, 2, 0, 1, 2);
    options->addWidget(sCheckBox5, 3, 0, 1, 2);
    layout->addWidget(GroupBorderOptions);

    GroupTex = named(new QGroupBox(QStringLiteral("Texture options")), "GroupTex");
    QVBoxLayout* texture = new QVBoxLayout(GroupTex);
    sComboBox1 = named(new QComboBox, "sComboBox1");
    for (const char* fillType : fillTypes)
        sComboBox1->addItem(QString::fromLatin1(fillType));
    connect(sComboBox1, &QComboBox::currentIndexChanged, this, [this] { sComboBox1Change(); });
    texture->addWidget(new QLabel(QStringLiteral("Fill type")));
    texture->addWidget(sComboBox1);
    layout->addWidget(GroupTex);

    GroupBorder = named(new QGroupBox(QStringLiteral("Borders width ")), "GroupBorder");
    QGridLayout* widths = new QGridLayout(GroupBorder);
    const char* const widthNames[] = {"WL", "WT", "WR", "WB"};
    const char* const widthCaptions[] = {"Left", "Top", "Right", "Btm"};
    QSpinBox** widthEdits[] = {&WL, &WT, &WR, &WB};
    for (int index = 0; index < 4; ++index) {
        QSpinBox* edit = *widthEdits[index] = spinEdit(widthNames[index], 0, 9999, 0);
        widths->addWidget(new QLabel(QString::fromLatin1(widthCaptions[index])), index / 2 * 2, index % 2);
        widths->addWidget(edit, index / 2 * 2 + 1, index % 2);
        connect(edit, &QSpinBox::valueChanged, this, [this, edit] { BorderWidthChange(edit); });
        edit->installEventFilter(this);
    }
    sCheckBox2 = named(new QCheckBox(QStringLiteral("Use for all edges")), "sCheckBox2");
    sCheckBox2->setChecked(true);
    sCheckBox2->installEventFilter(this);
    widths->addWidget(sCheckBox2, 4, 0, 1, 2);
    layout->addWidget(GroupBorder);
    layout->addStretch(1);

    QHBoxLayout* buttons = new QHBoxLayout;
    sBitBtn2 = named(new QPushButton(QStringLiteral("Ok")), "sBitBtn2");
    sBitBtn1 = named(new QPushButton(QStringLiteral("Cancel")), "sBitBtn1");
    // Enter in an edit must not close the window.
    for (QPushButton* button : {sBitBtn2, sBitBtn1}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    connect(sBitBtn2, &QPushButton::clicked, this, [this] {
        Accepted = true;
        accept();
    });
    connect(sBitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    layout->addLayout(buttons);
    ShowSelectionInEdits();
    return column;
}

void TFormSelectImage::SetToolImage(const TBitmap& picture)
{
    toolImage_ = picture;
    if (toolImage_.PixelFormat() != TPixelFormat::pf24bit) {
        toolImage_ = TBitmap(picture.Width(), picture.Height());
        for (int y = 0; y < picture.Height(); ++y) {
            const std::uint8_t* source = picture.ScanLine(y);
            std::uint8_t* target = toolImage_.ScanLine(y);
            for (int x = 0; x < picture.Width(); ++x, source += 4, target += 3)
                std::memcpy(target, source, 3);
        }
    }
    SetSelection({});
    UpdateRanges();
    InvalidateView();
}

// Reading and writing values.

void TFormSelectImage::LoadMasterValue(std::string_view value)
{
    const char first = value.empty() ? '\0' : value.front();
    std::optional<TsImageValue> legacy;
    if (first == '#') {
        legacy = ParseLegacyValue(value);
        if (!legacy)
            throw EConvertError(Quoted(value) + " is not a valid image value", std::string(value));
    }
    switch (Mode) {
    case smBorder:
        if (first == '^' && value.size() > 47) {
            const TsImageValue image = ParseBorderValue(value);
            SetSelection({image.Left, image.Top, image.Right, image.Bottom});
            sSpinEdit1->setValue(image.ImageCount);
            sCheckBox1->setChecked(image.MaskType == 1);
            sCheckBox3->setChecked(image.StretchMode & 1);
            sCheckBox4->setChecked(image.StretchMode & 2);
            sCheckBox5->setChecked(image.StretchMode & 4);
            if (image.WL != 0 || image.WT != 0 || image.WR != 0 || image.WB != 0)
                SetBorderWidths(image.WL, image.WT, image.WR, image.WB);
            else if (image.BorderWidth != 0)
                SetBorderWidths(image.BorderWidth, image.BorderWidth, image.BorderWidth, image.BorderWidth);
            else
                SetDefaultBorderWidths();
            SetAllEdgesByWidths();
        } else if (legacy) {
            SetLegacyValue(*legacy);
            sCheckBox3->setChecked(false);
            if (legacy->BorderWidth != 0)
                SetBorderWidths(legacy->BorderWidth, legacy->BorderWidth, legacy->BorderWidth, legacy->BorderWidth);
            else
                SetDefaultBorderWidths();
            SetAllEdgesByWidths();
        }
        break;
    case smTexture:
        sCheckBox1->setChecked(false);
        if (first == '~' && value.size() > 22) {
            const TsImageValue image = ParseTextureValue(value);
            SetSelection({image.Left, image.Top, image.Right, image.Bottom});
            {
                const QSignalBlocker quiet(sComboBox1);
                // A fill type the list does not hold reads as "tiled".
                const bool listed = image.StretchMode >= 0 && image.StretchMode < sComboBox1->count();
                sComboBox1->setCurrentIndex(listed ? image.StretchMode : 0);
            }
            sCheckBox1->setChecked(image.MaskType == 1);
        } else if (legacy) {
            SetLegacyValue(*legacy);
        }
        break;
    case smGlyph:
        if (first == '@' && value.size() > 23) {
            const TsImageValue image = ParseGlyphValue(value);
            SetSelection({image.Left, image.Top, image.Right, image.Bottom});
            sSpinEdit1->setValue(image.ImageCount);
            sCheckBox1->setChecked(image.MaskType == 1);
        } else if (legacy) {
            SetLegacyValue(*legacy);
        }
        break;
    }
}

void TFormSelectImage::SetLegacyValue(const TsImageValue& image)
{
    SetSelection({image.Left, image.Top, image.Right, image.Bottom});
    sSpinEdit1->setValue(image.ImageCount);
    sCheckBox1->setChecked(image.MaskType == 1);
}

std::string TFormSelectImage::MasterValue() const
{
    TsImageValue image;
    image.Left = selection_.Left;
    image.Top = selection_.Top;
    image.Right = selection_.Right;
    image.Bottom = selection_.Bottom;
    image.MaskType = MaskFlag();
    switch (Mode) {
    case smBorder:
        image.WL = WL->value();
        image.WT = WT->value();
        image.WR = WR->value();
        image.WB = WB->value();
        image.ImageCount = StateCount();
        image.StretchMode = (sCheckBox3->isChecked() ? 1 : 0) + (sCheckBox4->isChecked() ? 2 : 0)
                            + (sCheckBox5->isChecked() ? 4 : 0);
        // The engine reads this as the width of all four bands when they are 0.
        image.BorderWidth = 1;
        return FormatBorderValue(image);
    case smTexture:
        image.StretchMode = sComboBox1->currentIndex();
        return FormatTextureValue(image);
    default:
        image.ImageCount = StateCount();
        return FormatGlyphValue(image);
    }
}

void TFormSelectImage::LoadFileValue(const TsFileImageValue& file)
{
    SetSelection({0, 0, toolImage_.Width(), toolImage_.Height()});
    sSpinEdit1->setValue(file.ImageCount);
    // A masked picture keeps the mask in the lower half of an even height.
    sCheckBox1->setChecked(file.MaskType == 1 && toolImage_.Height() % 2 == 0);
    if (!ShowBorderWidths)
        return;
    if (file.HasBands)
        SetBorderWidths(file.WL, file.WT, file.WR, file.WB);
    if (WL->value() == 0 && WT->value() == 0 && WR->value() == 0 && WB->value() == 0)
        SetDefaultBorderWidths();
    SetAllEdgesByWidths();
}

std::string TFormSelectImage::FileValue(const std::string& fileName, int kind) const
{
    TsFileImageValue file;
    file.FileName = fileName;
    file.ImageCount = StateCount();
    file.MaskType = MaskFlag();
    file.Kind = kind;
    file.WL = WL->value();
    file.WT = WT->value();
    file.WR = WR->value();
    file.WB = WB->value();
    file.HasBands = file.WL + file.WT + file.WR + file.WB > 0;
    return FormatFileValue(file);
}

int TFormSelectImage::StateCount() const { return sSpinEdit1->value(); }

int TFormSelectImage::MaskFlag() const { return sCheckBox1->isChecked() ? 1 : 0; }

void TFormSelectImage::SetBorderWidths(int left, int top, int right, int bottom)
{
    const QSignalBlocker quietLeft(WL), quietTop(WT), quietRight(WR), quietBottom(WB);
    WL->setValue(left);
    WT->setValue(top);
    WR->setValue(right);
    WB->setValue(bottom);
}

void TFormSelectImage::SetDefaultBorderWidths()
{
    const int horizontal = selection_.Width() / (3 * StateCount());
    const int vertical = selection_.Height() / (3 * (MaskFlag() + 1));
    SetBorderWidths(horizontal, vertical, horizontal, vertical);
}

void TFormSelectImage::SetAllEdgesByWidths()
{
    sCheckBox2->setChecked(WL->value() == WT->value() && WT->value() == WR->value() && WR->value() == WB->value());
}

// Showing and closing.

void TFormSelectImage::ShowModal()
{
    Accepted = false;
    exec();
    Timer1->stop();
}

void TFormSelectImage::SaveSettings() const
{
    TMemIniFile settings(FileNameBytes(settingsFileName_));
    settings.WriteInteger(settingsSection, "Scale", sTrackBar1->value());
    settings.WriteInteger(settingsSection, "WindowState", isMaximized() ? 2 : isMinimized() ? 1 : 0);
    settings.UpdateFile();
}

void TFormSelectImage::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFormSelectImage::FormShow()
{
    GroupBorder->setVisible(Mode == smBorder && ShowBorderWidths);
    GroupBorderOptions->setVisible(Mode != smTexture);
    GroupTex->setVisible(Mode == smTexture);
    sCheckBox1->setEnabled(Mode != smTexture || sComboBox1->currentIndex() == discreteTiled);
    if (!isMaximized()) {
        if (const QScreen* screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
    }
    refreshPending_ = true;
    SetScale(scale_);
    ScrollToSelection();
    InvalidateView();
    Timer1->start();
}

// The view.

QPoint TFormSelectImage::ScrollPosition() const
{
    return {sScrollBox1->horizontalScrollBar()->value(), sScrollBox1->verticalScrollBar()->value()};
}

void TFormSelectImage::SetScrollPosition(int x, int y)
{
    sScrollBox1->horizontalScrollBar()->setValue(x);
    sScrollBox1->verticalScrollBar()->setValue(y);
}

void TFormSelectImage::sTrackBar1Change() { SetScale(sTrackBar1->value()); }

// Keeps the image pixel at the top left of the view; the positions become
// whole multiples of the new scale.
void TFormSelectImage::SetScale(int scale)
{
    const QPoint pixel(ScrollPosition().x() / scale_, ScrollPosition().y() / scale_);
    scale_ = scale;
    UpdateViewSelection();
    UpdateRanges();
    SetScrollPosition(pixel.x() * scale_, pixel.y() * scale_);
    InvalidateView();
}

void TFormSelectImage::UpdateRanges()
{
    const QSize view = sScrollBox1->viewport()->size();
    QScrollBar* horizontal = sScrollBox1->horizontalScrollBar();
    QScrollBar* vertical = sScrollBox1->verticalScrollBar();
    horizontal->setRange(0, std::max(0, toolImage_.Width() * scale_ + scrollMargin - view.width()));
    horizontal->setPageStep(view.width());
    vertical->setRange(0, std::max(0, toolImage_.Height() * scale_ + scrollMargin - view.height()));
    vertical->setPageStep(view.height());
}

void TFormSelectImage::ScrollToSelection()
{
    const QSize view = sScrollBox1->viewport()->size();
    QPoint position = ScrollPosition();
    if (view.height() < selection_.Top * scale_)
        position.setY(selection_.Top * scale_ - view.height() / 2);
    if (view.width() < selection_.Left * scale_)
        position.setX(selection_.Left * scale_ - view.width() / 2);
    SetScrollPosition(position.x(), position.y());
}

void TFormSelectImage::UpdateViewSelection()
{
    viewSelection_ = {selection_.Left * scale_, selection_.Top * scale_, (selection_.Right - 1) * scale_,
                      (selection_.Bottom - 1) * scale_};
}

void TFormSelectImage::InvalidateView()
{
    cacheDirty_ = true;
    sScrollBox1->viewport()->update();
}

void TFormSelectImage::ViewportResized()
{
    UpdateRanges();
    InvalidateView();
}

void TFormSelectImage::ViewportScrolled() { InvalidateView(); }

void TFormSelectImage::PaintViewport(QPainter& painter)
{
    const QSize size = sScrollBox1->viewport()->size();
    if (cache_.Width() != size.width() || cache_.Height() != size.height()) {
        cache_ = TBitmap(size.width(), size.height(), TPixelFormat::pf32bit);
        cacheDirty_ = true;
    }
    if (cacheDirty_) {
        const QPoint scroll = ScrollPosition();
        PaintScaledView(toolImage_, scale_, scroll.x(), scroll.y(), cache_);
        cacheDirty_ = false;
    }
    painter.drawImage(0, 0, OpaqueImage(cache_));
    DrawFrame(painter);
    if (GuidesShown())
        DrawGuides(painter);
    sSpeedButton2->setEnabled(sScrollBox1->horizontalScrollBar()->maximum() > 0
                              || sScrollBox1->verticalScrollBar()->maximum() > 0);
}

// The ring of the outermost selected pixels on screen; empty for an empty selection.
QRect TFormSelectImage::FrameRect(const TRect& view) const
{
    const QPoint scroll = ScrollPosition();
    return QRect(view.Left - scroll.x(), view.Top - scroll.y(), view.Right - view.Left + scale_,
                 view.Bottom - view.Top + scale_);
}

void TFormSelectImage::DrawFrame(QPainter& painter) const
{
    const QRect frame = FrameRect(viewSelection_);
    if (frame.width() <= 0 || frame.height() <= 0)
        return;
    const int s = scale_;
    painter.setBrushOrigin(frame.left() - animationCounter_, frame.top() - animationCounter_);
    const QBrush texture(Image1);
    painter.fillRect(QRect(frame.left(), frame.top(), frame.width(), s), texture);
    painter.fillRect(QRect(frame.left(), frame.bottom() + 1 - s, frame.width(), s), texture);
    painter.fillRect(QRect(frame.left(), frame.top() + s, s, frame.height() - 2 * s), texture);
    painter.fillRect(QRect(frame.right() + 1 - s, frame.top() + s, s, frame.height() - 2 * s), texture);
}

bool TFormSelectImage::GuidesShown() const
{
    const bool widthFocused = WL->hasFocus() || WT->hasFocus() || WR->hasFocus() || WB->hasFocus()
                              || sCheckBox2->hasFocus();
    return widthFocused && selection_.Width() > 1 && selection_.Height() > 1;
}

// Blue lines at the border widths of the first state.
void TFormSelectImage::DrawGuides(QPainter& painter) const
{
    const QPoint scroll = ScrollPosition();
    const int s = scale_;
    const int left = viewSelection_.Left - scroll.x();
    const int top = viewSelection_.Top - scroll.y();
    const int stateWidth = (viewSelection_.Right - viewSelection_.Left) / StateCount();
    const int imageHeight = (viewSelection_.Bottom - viewSelection_.Top) / (MaskFlag() + 1);
    const int extra = 4 * s;
    painter.setPen(QColor(0, 0, 255));
    for (int y : {top + WT->value() * s, top + imageHeight - (WB->value() - 1) * s})
        painter.drawLine(left - extra, y, left + stateWidth + extra, y);
    for (int x : {left + WL->value() * s, left + stateWidth - (WR->value() - 1) * s})
        painter.drawLine(x, top - extra, x, top + imageHeight + extra);
}

void TFormSelectImage::RepaintFrame()
{
    QWidget* view = sScrollBox1->viewport();
    if (GuidesShown())
        view->update();
    else
        view->update(QRegion(FrameRect(previousViewSelection_)) + QRegion(FrameRect(viewSelection_)));
    previousViewSelection_ = viewSelection_;
}

void TFormSelectImage::Timer1Timer()
{
    if (++animationCounter_ > animationSteps)
        animationCounter_ = 0;
    RepaintFrame();
}

// The selection.

void TFormSelectImage::SetSelection(const TRect& selection)
{
    selection_ = selection;
    UpdateViewSelection();
    ShowSelectionInEdits();
}

QSpinBox* TFormSelectImage::SelectionEdit(int tag)
{
    QSpinBox* const edits[] = {sSpinEdit2, sSpinEdit3, sSpinEdit4, sSpinEdit5};
    return edits[tag];
}

void TFormSelectImage::ShowSelectionInEdits()
{
    updatingEdits_ = true;
    SelectionEdit(0)->setValue(selection_.Left);
    SelectionEdit(1)->setValue(selection_.Top);
    SelectionEdit(2)->setValue(selection_.Right);
    SelectionEdit(3)->setValue(selection_.Bottom);
    updatingEdits_ = false;
    LabelWidth->setText(QStringLiteral("W : %1").arg(selection_.Width()));
    LabelHeight->setText(QStringLiteral("H : %1").arg(selection_.Height()));
}

void TFormSelectImage::SelectionEditChange(int tag)
{
    if (updatingEdits_)
        return;
    int TRect::*const edges[] = {&TRect::Left, &TRect::Top, &TRect::Right, &TRect::Bottom};
    TRect selection = selection_;
    selection.*edges[tag] = SelectionEdit(tag)->value();
    SetSelection(selection);
    UpdateRanges();
    InvalidateView();
}

// The top left of the cell under a viewport position, in scaled pixels (also
// while a scroll position is not yet a whole number of cells).
QPoint TFormSelectImage::CellAt(const QPoint& position) const
{
    const QPoint scroll = ScrollPosition();
    return {scale_ * ((scroll.x() + std::max(0, position.x())) / scale_),
            scale_ * ((scroll.y() + std::max(0, position.y())) / scale_)};
}

// The selection spans the cell where the drag started and the cell under the pointer.
void TFormSelectImage::DragTo(const QPoint& position)
{
    const QPoint cell = CellAt(position);
    viewSelection_ = {std::min(anchorCell_.x(), cell.x()), std::min(anchorCell_.y(), cell.y()),
                      std::max(anchorCell_.x(), cell.x()), std::max(anchorCell_.y(), cell.y())};
    selection_ = {viewSelection_.Left / scale_, viewSelection_.Top / scale_, viewSelection_.Right / scale_ + 1,
                  viewSelection_.Bottom / scale_ + 1};
    ShowSelectionInEdits();
    RepaintFrame();
}

void TFormSelectImage::ViewportMouseDown(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    sScrollBox1->setFocus();
    dragging_ = true;
    if (sSpeedButton1->isChecked()) {
        Timer1->stop();
        previousViewSelection_ = viewSelection_;
        anchorCell_ = CellAt(event->position().toPoint());
        DragTo(event->position().toPoint());
    }
    lastMouse_ = event->position().toPoint();
}

void TFormSelectImage::ViewportMouseMove(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    if (!dragging_ || !(event->buttons() & Qt::LeftButton)) {
        if (refreshPending_ && !(event->buttons() & Qt::LeftButton)) {
            refreshPending_ = false;
            SetScale(scale_);
        }
        return;
    }
    const QPoint scroll = ScrollPosition();
    if (sSpeedButton2->isChecked()) {
        const QPoint moved = position - lastMouse_;
        SetScrollPosition(scroll.x() - moved.x(), scroll.y() - moved.y());
        lastMouse_ = position;
        return;
    }
    if (event->modifiers() & Qt::ControlModifier) {
        // The view follows the pointer, and the selection grows with the view.
        const QPoint moved = position - lastMouse_;
        const bool pastLeft = scroll.x() + position.x() >= viewSelection_.Left;
        const bool pastTop = scroll.y() + position.y() >= viewSelection_.Top;
        SetScrollPosition(scroll.x() + (pastLeft ? moved.x() : 0), scroll.y() + (pastTop ? moved.y() : 0));
        DragTo(lastMouse_);
    } else {
        DragTo(position);
    }
    lastMouse_ = position;
}

void TFormSelectImage::ViewportMouseUp(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    dragging_ = false;
    Timer1->start();
}

void TFormSelectImage::ViewportWheel(QWheelEvent* event)
{
    const QPoint delta = event->angleDelta();
    const int steps = delta.y() != 0 ? delta.y() : delta.x();
    if (steps == 0)
        return;
    const int distance = (steps > 0 ? -8 : 8) * scale_;
    const QPoint scroll = ScrollPosition();
    if (event->modifiers() & Qt::ControlModifier)
        SetScrollPosition(scroll.x() + distance, scroll.y());
    else
        SetScrollPosition(scroll.x(), scroll.y() + distance);
    event->accept();
}

// Options.

void TFormSelectImage::BorderWidthChange(QSpinBox* edit)
{
    if (!isVisible())
        return;
    const int w = selection_.Width() / StateCount() - 1;
    const int h = selection_.Height() / (MaskFlag() + 1) - 1;
    const bool horizontal = edit == WL || edit == WR;
    int width = edit->value();
    if (sCheckBox2->isChecked()) {
        const auto keepWithin = [&width](int room) {
            if (room < 2 * width)
                width = room / 2;
        };
        keepWithin(horizontal ? w : h);
        keepWithin(horizontal ? h : w);
        SetBorderWidths(width, width, width, width);
    } else {
        const int room = horizontal ? w : h;
        QSpinBox* opposite = edit == WL ? WR : edit == WR ? WL : edit == WT ? WB : WT;
        width = std::min(width, room);
        const QSignalBlocker quietEdit(edit), quietOpposite(opposite);
        edit->setValue(width);
        if (width + opposite->value() > room)
            opposite->setValue(room - width);
    }
    sScrollBox1->viewport()->update();
}

void TFormSelectImage::sComboBox1Change()
{
    const bool maskAllowed = sComboBox1->currentIndex() == discreteTiled;
    sCheckBox1->setEnabled(maskAllowed);
    if (!maskAllowed)
        sCheckBox1->setChecked(false);
}

// The border guides show while a width control has the focus.
bool TFormSelectImage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        sScrollBox1->viewport()->update();
    return QDialog::eventFilter(watched, event);
}
