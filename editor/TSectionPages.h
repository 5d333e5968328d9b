#pragma once

#include "engine/TsSkinModel.h"
#include "graphics/GradientStep.h"

#include <QString>

#include <initializer_list>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;
class QWidget;
class TColorBox;
class TImageField;
class TMainForm;
class TPercentBar;

// The property pages of the " Sections managing " page: every value of the
// current section in an image field, percentage bar, colour box, check box or
// number box, filled by LoadSectionPages and written back into the skin
// document as the user changes them. The main window owns one.
class TSectionPages
{
public:
    explicit TSectionPages(TMainForm& form);
    TSectionPages(const TSectionPages&) = delete;
    TSectionPages& operator=(const TSectionPages&) = delete;

    void LoadSectionPages();

    // "Info".
    TImageField* ComboMask;
    TImageField* ComboRgn;
    // " BG ".
    TPercentBar* TrackBarTransBG;
    TColorBox* ColorBoxBg;
    TPercentBar* TrackBarGradPercent;
    QPushButton* PanelGradEdit;
    QToolButton* CheckGradEdit;
    TPercentBar* TrackBarImgPercent;
    QPushButton* PanelImgEdit;
    QToolButton* CheckImgEdit;
    // " 'Hot' BG ".
    TPercentBar* TrackBarHotTransBG;
    TColorBox* ColorBoxHotBG;
    TPercentBar* TrackBarHotGradPercent;
    QPushButton* PanelHotGradEdit;
    QToolButton* CheckHotGradEdit;
    TPercentBar* TrackBarHotImgPercent;
    QPushButton* PanelHotImgEdit;
    QToolButton* CheckHotImgEdit;
    // " Font " and " 'Hot' font ".
    TColorBox* ColorBoxFont;
    TColorBox* ColorBoxTCLeft;
    TColorBox* ColorBoxTCTop;
    TColorBox* ColorBoxTCRight;
    TColorBox* ColorBoxTCBottom;
    TColorBox* ColorBoxHotFont;
    TColorBox* ColorBoxHotTCLeft;
    TColorBox* ColorBoxHotTCTop;
    TColorBox* ColorBoxHotTCRight;
    TColorBox* ColorBoxHotTCBottom;
    // "Animation".
    QCheckBox* CheckBoxFading;
    QSpinBox* SpinEditIters;
    // " Glyph ", " TrackBar data ", "Corners Images".
    TImageField* ComboGlyphEdit;
    TImageField* ComboChannelEdit;
    TImageField* ComboHorSliderEdit;
    TImageField* ComboVertSliderEdit;
    TImageField* ComboTickHorzEdit;
    TImageField* ComboTickVertEdit;
    TImageField* ComboImgTopLeft;
    TImageField* ComboImgTopRight;
    TImageField* ComboImgBtmLeft;
    TImageField* ComboImgBtmRight;

    // What the pattern and gradient pickers start from: the current
    // section's texts ("N/A" when absent) and the parsed gradients.
    QString PatternText;
    QString HotPatternText;
    QString GradientText;
    QString HotGradientText;
    TsGradArray GradientArray;
    TsGradArray HotGradientArray;

    // Write-back into a given section, shared with the global data pages.
    void ImageFieldChange(TImageField& field, const QString& section);
    void ImageFieldReset(TImageField& field, const QString& section);
    void ColorChange(TColorBox& box, const QString& section);
    // Whether edits may go into the section now: a skin is open, no page is
    // being filled, and the section exists ("GLOBALINFO" always may).
    bool CanWrite(const QString& section) const;

    // Write-back handlers of the controls.
    void ComboMaskChange(TImageField& field);
    void CheckMaskClick(TImageField& field);
    void ComboMaskButtonClick(TImageField& field, TovImgType kind);
    void TrackBarChange(TPercentBar& bar);
    void TrackBarHotGradPercentMouseUp(TPercentBar& bar);
    void CheckBoxTransBGClick(TPercentBar& bar);
    void ColorBoxBgChange(TColorBox& box);
    void CheckColorDefaultClick(TColorBox& box);
    void CheckBoxFadingClick();
    void SpinEditItersChange();
    // The gradient builder and the pattern picker open from these panels.
    void PanelGradEditClick(bool hot);
    void PanelImgEditClick(bool hot);
    // Removes the pattern or gradient of the normal or hot state.
    void CheckImgEditClick(bool hot);
    void CheckGradEditClick(bool hot);

private:
    struct Background
    {
        TPercentBar* gradientBar;
        QPushButton* gradientPanel;
        QToolButton* gradientReset;
        TPercentBar* patternBar;
        QPushButton* patternPanel;
        QToolButton* patternReset;
        const char* gradientKey;
        const char* patternKey;
        QString* gradientText;
        TsGradArray* gradientArray;
        QString* patternText;
    };

    void CreateInfoPage();
    void CreateBackgroundPage(QWidget* page, bool hot);
    void CreateFontPage(QWidget* page, bool hot);
    void CreateAnimationPage();
    void CreateImagePage(QWidget* page, std::initializer_list<TImageField**> fields);
    TImageField* NewImageField(const char* name, const char* key, const char* resetName, TovImgType kind);
    TPercentBar* NewPercentBar(const char* name, const char* key, const char* resetName);
    TColorBox* NewColorBox(const char* name, const char* key, const char* resetName, int entries);
    Background BackgroundOf(bool hot);

    void LoadImageField(TImageField& field, const QString& section);
    // A glow image count with its reset button.
    void LoadGlowCount(QLineEdit* count, QToolButton* reset, const QString& section, const QString& key);
    void LoadColor(TColorBox& box);
    void LoadPercent(TPercentBar& bar);
    void LoadBackground(const Background& background);
    // Parses the gradient text into its steps and shows them.
    void ShowGradient(const Background& background);
    void ShowOptionalPages();
    void RemoveStateKey(const char* key, QString& text, QToolButton* reset);

    QString Section() const;

    TMainForm& form_;
};
