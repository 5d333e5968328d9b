#pragma once

#include "graphics/TBitmap.h"
#include "graphics/TRect.h"
#include "skinfiles/sImageValues.h"

#include <QAbstractScrollArea>
#include <QDialog>
#include <QImage>

#include <string>
#include <string_view>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPainter;
class QPushButton;
class QSlider;
class QSpinBox;
class QTimer;
class QToolButton;
class TFormSelectImage;

// The 24-bit picture scrolled at scale s into a viewport-sized 32-bit bitmap
// (opaque, ready to be copied to the screen as it is): each image pixel
// becomes an s x s cell (nearest neighbour), the view starting at (scrollX,
// scrollY) in scaled pixels; what lies beyond the picture is black.
void PaintScaledView(const TBitmap& picture, int scale, int scrollX, int scrollY, TBitmap& view);

// The tool's viewport: a scroll area whose viewport shows the picture and the
// selection of its window, which handles its paints, mouse and wheel.
class TSelectViewport : public QAbstractScrollArea
{
public:
    explicit TSelectViewport(TFormSelectImage& form);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    TFormSelectImage& form_;
};

// "Image selection for property": shows a picture zoomed in a scrollable
// viewport, lets the user drag a selection over it and set the options of the
// image, and gives back the image value in its skin syntax.
class TFormSelectImage : public QDialog
{
public:
    enum TSelectMode { smBorder = 0, smTexture = 1, smGlyph = 2 };

    // Reads the remembered "Scale" and "WindowState" of section "Selection".
    explicit TFormSelectImage(const QString& settingsFileName, QWidget* parent = nullptr);
    ~TFormSelectImage() override;

    // The picture shown; the selection starts empty at 0, 0.
    void SetToolImage(const TBitmap& picture);
    const TBitmap& ToolImage() const { return toolImage_; }

    // Reading a value of the master bitmap into the window by Mode; an unreadable
    // number throws EConvertError and leaves the controls as they were.
    void LoadMasterValue(std::string_view value);
    // The accepted window's value by Mode; "" when a field cannot be written.
    std::string MasterValue() const;
    // A whole-file image: the selection is the picture, the counts and widths
    // come from the value.
    void LoadFileValue(const TsFileImageValue& file);
    std::string FileValue(const std::string& fileName, int kind) const;

    // Shows the window modally; Accepted tells whether "Ok" closed it.
    void ShowModal();
    void SaveSettings() const;

    void SetSelection(const TRect& selection);
    const TRect& Selection() const { return selection_; }
    const TRect& ViewSelection() const { return viewSelection_; }
    int Scale() const { return scale_; }
    QPoint ScrollPosition() const;
    int StateCount() const;
    int MaskFlag() const;

    int Mode = smBorder;
    // File images of textures and glyphs have no border widths.
    bool ShowBorderWidths = true;
    bool Accepted = false;

    // Viewport behaviour, called by TSelectViewport.
    void PaintViewport(QPainter& painter);
    void ViewportResized();
    void ViewportScrolled();
    void ViewportMouseDown(QMouseEvent* event);
    void ViewportMouseMove(QMouseEvent* event);
    void ViewportMouseUp(QMouseEvent* event);
    void ViewportWheel(QWheelEvent* event);

    // Handlers.
    void FormShow();
    void sTrackBar1Change();
    void SelectionEditChange(int tag);
    void BorderWidthChange(QSpinBox* edit);
    void sComboBox1Change();
    void Timer1Timer();

    TSelectViewport* sScrollBox1;
    QToolButton* sSpeedButton1;
    QToolButton* sSpeedButton2;
    QToolButton* sSpeedButton3;
    QGroupBox* sGroupBox1;
    QSlider* sTrackBar1;
    QGroupBox* sPanel1;
    QSpinBox* sSpinEdit2;
    QSpinBox* sSpinEdit3;
    QSpinBox* sSpinEdit4;
    QSpinBox* sSpinEdit5;
    QLabel* LabelWidth;
    QLabel* LabelHeight;
    QCheckBox* sCheckBox1;
    QGroupBox* GroupBorderOptions;
    QSpinBox* sSpinEdit1;
    QCheckBox* sCheckBox3;
    QCheckBox* sCheckBox4;
    QCheckBox* sCheckBox5;
    QGroupBox* GroupTex;
    QComboBox* sComboBox1;
    QGroupBox* GroupBorder;
    QSpinBox* WL;
    QSpinBox* WT;
    QSpinBox* WR;
    QSpinBox* WB;
    QCheckBox* sCheckBox2;
    QPushButton* sBitBtn2;
    QPushButton* sBitBtn1;
    QTimer* Timer1;
    QImage Image1; // the frame texture

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* CreateControls();
    QSpinBox* SelectionEdit(int tag);
    void SetScale(int scale);
    void UpdateViewSelection();
    void UpdateRanges();
    void SetScrollPosition(int x, int y);
    void ScrollToSelection();
    void ShowSelectionInEdits();
    void SetEditValue(QSpinBox* edit, int value);
    void SetBorderWidths(int left, int top, int right, int bottom);
    void SetDefaultBorderWidths();
    void SetAllEdgesByWidths();
    void SetLegacyValue(const TsImageValue& image);
    QPoint CellAt(const QPoint& position) const;
    void DragTo(const QPoint& position);
    QRect FrameRect(const TRect& view) const;
    void RepaintFrame();
    void InvalidateView();
    bool GuidesShown() const;
    void DrawFrame(QPainter& painter) const;
    void DrawGuides(QPainter& painter) const;

    QString settingsFileName_;
    TBitmap toolImage_;
    TBitmap cache_;
    bool cacheDirty_ = true;
    TRect selection_;
    TRect viewSelection_;
    TRect previousViewSelection_;
    QPoint anchorCell_;
    int scale_ = 1;
    bool dragging_ = false;
    QPoint lastMouse_;
    bool updatingEdits_ = false;
    bool refreshPending_ = false;
    int animationCounter_ = 0;
};
