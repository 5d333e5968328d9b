#include "editor/TSectionPages.h"

#include "editor/ChooseImage.h"
#include "editor/Latin1Text.h"
#include "editor/NamedWidget.h"
#include "editor/ResetButton.h"
#include "editor/ScrollingPage.h"
#include "editor/TFocusedWheel.h"
#include "editor/TColorBox.h"
#include "editor/PatternPreview.h"
#include "editor/TPreviewPanel.h"
#include "editor/TGlobalDataPages.h"
#include "editor/TImageField.h"
#include "editor/TPercentBar.h"
#include "editor/TUpperCaseMemo.h"
#include "editor/Unit1.h"
#include "editor/sGradBuilder.h"
#include "skinfiles/TMemIniFile.h"
#include "skinfiles/sGradientData.h"
#include "skinfiles/sStoreUtils.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString globalInfo = QStringLiteral("GLOBALINFO");
const int absentColor = int(TColorBox::AbsentColor);

// A pattern drawn through its own mask (a "1" as the 25th character of a
// texture value) has no percentage.
bool PatternHasOwnMask(const QString& pattern) { return pattern.size() >= 25 && pattern[24] == QLatin1Char('1'); }

} // namespace

TSectionPages::TSectionPages(TMainForm& form) : form_(form)
{
    CreateInfoPage();
    CreateBackgroundPage(form_.TabSheetBG, false);
    CreateBackgroundPage(form_.TabSheetHotBG, true);
    CreateFontPage(form_.TabSheetFont, false);
    CreateFontPage(form_.TabSheetHotFont, true);
    CreateAnimationPage();
    ComboGlyphEdit = NewImageField("ComboGlyphEdit", "GLYPHMASK", "CheckGlyphEdit", itisaGlyph);
    CreateImagePage(form_.TabSheetGlyph, {&ComboGlyphEdit});
    ComboChannelEdit = NewImageField("ComboChannelEdit", "SLIDERCHANNEL", "CheckChannelEdit", itisaBorder);
    ComboHorSliderEdit = NewImageField("ComboHorSliderEdit", "SLIDERMASK", "CheckHorSliderEdit", itisaGlyph);
    ComboVertSliderEdit = NewImageField("ComboVertSliderEdit", "SLIDERVMASK", "CheckVertSliderEdit", itisaGlyph);
    ComboTickHorzEdit = NewImageField("ComboTickHorzEdit", "TICKHORZ", "CheckTickHorzEdit", itisaGlyph);
    ComboTickVertEdit = NewImageField("ComboTickVertEdit", "TICKVERT", "CheckTickVertEdit", itisaGlyph);
    CreateImagePage(form_.TabSheetTrackBar, {&ComboChannelEdit, &ComboHorSliderEdit, &ComboVertSliderEdit,
                                             &ComboTickHorzEdit, &ComboTickVertEdit});
    ComboImgTopLeft = NewImageField("ComboImgTopLeft", "IMGTOPLEFT", "CheckImgTopLeft", itisaGlyph);
    ComboImgTopRight = NewImageField("ComboImgTopRight", "IMGTOPRIGHT", "CheckImgTopRight", itisaGlyph);
    ComboImgBtmLeft = NewImageField("ComboImgBtmLeft", "IMGBTMLEFT", "CheckImgBtmLeft", itisaGlyph);
    ComboImgBtmRight = NewImageField("ComboImgBtmRight", "IMGBTMRIGHT", "CheckImgBtmRight", itisaGlyph);
    CreateImagePage(form_.TabSheetCorners, {&ComboImgTopLeft, &ComboImgTopRight, &ComboImgBtmLeft, &ComboImgBtmRight});
}

TImageField* TSectionPages::NewImageField(const char* name, const char* key, const char* resetName, TovImgType kind)
{
    TImageField* field = Named(new TImageField(QString::fromLatin1(key)), name);
    Named(field->CheckReset, resetName);
    field->OnChange = [this, field] { ComboMaskChange(*field); };
    field->OnReset = [this, field] { CheckMaskClick(*field); };
    field->OnBrowse = [this, field, kind] { ComboMaskButtonClick(*field, kind); };
    return field;
}

TPercentBar* TSectionPages::NewPercentBar(const char* name, const char* key, const char* resetName)
{
    TPercentBar* bar = Named(new TPercentBar(QString::fromLatin1(key)), name);
    Named(bar->CheckReset, resetName);
    bar->OnChange = [this, bar] { TrackBarChange(*bar); };
    bar->OnRelease = [this, bar] { TrackBarHotGradPercentMouseUp(*bar); };
    bar->OnReset = [this, bar] { CheckBoxTransBGClick(*bar); };
    return bar;
}

TColorBox* TSectionPages::NewColorBox(const char* name, const char* key, const char* resetName, int entries)
{
    TColorBox* box = Named(new TColorBox(QString::fromLatin1(key), entries), name);
    Named(box->CheckReset, resetName);
    box->OnChange = [this, box] { ColorBoxBgChange(*box); };
    box->OnReset = [this, box] { CheckColorDefaultClick(*box); };
    return box;
}

void TSectionPages::CreateInfoPage()
{
    ComboMask = NewImageField("ComboMask", "BORDERSMASK", "CheckMask", itisaBorder);
    ComboRgn = NewImageField("ComboRgn", "LRGN", "CheckRgn", itisaBorder);
    QFormLayout* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Select borders"), ComboMask);
    fields->addRow(QStringLiteral("Effects region"), ComboRgn);
    QVBoxLayout* page = static_cast<QVBoxLayout*>(form_.TabSheetInfo->layout());
    page->insertLayout(0, fields);
}

void TSectionPages::CreateBackgroundPage(QWidget* page, bool hot)
{
    TPercentBar*& transparency = hot ? TrackBarHotTransBG : TrackBarTransBG;
    TColorBox*& color = hot ? ColorBoxHotBG : ColorBoxBg;
    TPercentBar*& gradientBar = hot ? TrackBarHotGradPercent : TrackBarGradPercent;
    QPushButton*& gradientPanel = hot ? PanelHotGradEdit : PanelGradEdit;
    QToolButton*& gradientReset = hot ? CheckHotGradEdit : CheckGradEdit;
    TPercentBar*& patternBar = hot ? TrackBarHotImgPercent : TrackBarImgPercent;
    QPushButton*& patternPanel = hot ? PanelHotImgEdit : PanelImgEdit;
    QToolButton*& patternReset = hot ? CheckHotImgEdit : CheckImgEdit;

    transparency = hot ? NewPercentBar("TrackBarHotTransBG", "HOTTRANSPARENCY", "CheckBoxHotTransBG")
                       : NewPercentBar("TrackBarTransBG", "TRANSPARENCY", "CheckBoxTransBG");
    color = hot ? NewColorBox("ColorBoxHotBG", "HOTCOLOR", "CheckHotColor", TColorBox::WithNone)
                : NewColorBox("ColorBoxBg", "COLOR", "CheckColor", TColorBox::StandardColors);
    gradientBar = hot ? NewPercentBar("TrackBarHotGradPercent", "HOTGRADIENTPERCENT", "CheckBoxHotGradPercent")
                      : NewPercentBar("TrackBarGradPercent", "GRADIENTPERCENT", "CheckBoxGradPercent");
    patternBar = hot ? NewPercentBar("TrackBarHotImgPercent", "HOTIMAGEPERCENT", "CheckBoxHotImgPercent")
                     : NewPercentBar("TrackBarImgPercent", "IMAGEPERCENT", "CheckBoxImgPercent");
    gradientBar->Partner = patternBar;
    patternBar->Partner = gradientBar;
    const TsGradArray& steps = hot ? HotGradientArray : GradientArray;
    gradientPanel = Named(new TPreviewPanel([&steps](QPainter& painter, const QRect& rect) {
                              if (steps.empty())
                                  return false;
                              PaintGradientPreview(painter, rect, steps);
                              return true;
                          }),
                          hot ? "PanelHotGradEdit" : "PanelGradEdit");
    const QString& pattern = hot ? HotPatternText : PatternText;
    patternPanel = Named(new TPreviewPanel([this, &pattern](QPainter& painter, const QRect& rect) {
                             return PaintPatternPreview(painter, rect, pattern, form_);
                         }),
                         hot ? "PanelHotImgEdit" : "PanelImgEdit");
    gradientReset = Named(NewResetButton(QString::fromLatin1(hot ? "HOTGRADIENTDATA" : "GRADIENTDATA")),
                          hot ? "CheckHotGradEdit" : "CheckGradEdit");
    patternReset = Named(NewResetButton(QString::fromLatin1(hot ? "HOTPATTERN" : "PATTERN")),
                         hot ? "CheckHotImgEdit" : "CheckImgEdit");
    QObject::connect(gradientPanel, &QPushButton::clicked, gradientPanel, [this, hot] { PanelGradEditClick(hot); });
    QObject::connect(patternPanel, &QPushButton::clicked, patternPanel, [this, hot] { PanelImgEditClick(hot); });
    QObject::connect(gradientReset, &QToolButton::clicked, gradientReset, [this, hot] { CheckGradEditClick(hot); });
    QObject::connect(patternReset, &QToolButton::clicked, patternReset, [this, hot] { CheckImgEditClick(hot); });

    QVBoxLayout* layout = new QVBoxLayout(ScrollingContent(page));
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(2);
    QFormLayout* top = new QFormLayout;
    top->addRow(QStringLiteral("Transparency"), transparency);
    top->addRow(QStringLiteral("Color"), color);
    layout->addLayout(top);
    QHBoxLayout* groups = new QHBoxLayout;
    const auto group = [](const QString& caption, TPercentBar* bar, QPushButton* panel, QToolButton* reset) {
        QGroupBox* box = new QGroupBox(caption);
        QVBoxLayout* inside = new QVBoxLayout(box);
        inside->setContentsMargins(4, 2, 4, 4);
        inside->setSpacing(2);
        inside->addWidget(bar);
        QHBoxLayout* panelRow = new QHBoxLayout;
        panelRow->addWidget(panel, 1);
        panelRow->addWidget(reset, 0, Qt::AlignTop);
        inside->addLayout(panelRow);
        return box;
    };
    groups->addWidget(group(QStringLiteral("Gradient"), gradientBar, gradientPanel, gradientReset));
    groups->addWidget(group(QStringLiteral("Pattern"), patternBar, patternPanel, patternReset));
    layout->addLayout(groups);
    layout->addStretch(1);
}

void TSectionPages::CreateFontPage(QWidget* page, bool hot)
{
    const int entries = TColorBox::WithNone | TColorBox::WithSystemColors;
    TColorBox* font = hot ? NewColorBox("ColorBoxHotFont", "HOTFONTCOLOR", "CheckHotFontcolor", entries)
                          : NewColorBox("ColorBoxFont", "FONTCOLOR", "CheckFontColor", entries);
    TColorBox* left = hot ? NewColorBox("ColorBoxHotTCLeft", "HOTTCLEFT", "CheckHotTCLeft", entries)
                          : NewColorBox("ColorBoxTCLeft", "TCLEFT", "CheckTCLeft", entries);
    TColorBox* top = hot ? NewColorBox("ColorBoxHotTCTop", "HOTTCTOP", "CheckHotTCTop", entries)
                         : NewColorBox("ColorBoxTCTop", "TCTOP", "CheckTCTop", entries);
    TColorBox* right = hot ? NewColorBox("ColorBoxHotTCRight", "HOTTCRIGHT", "CheckHotTCRight", entries)
                           : NewColorBox("ColorBoxTCRight", "TCRIGHT", "CheckTCRight", entries);
    TColorBox* bottom = hot ? NewColorBox("ColorBoxHotTCBottom", "HOTTCBOTTOM", "CheckHotTCBottom", entries)
                            : NewColorBox("ColorBoxTCBottom", "TCBOTTOM", "CheckTCBottom", entries);
    (hot ? ColorBoxHotFont : ColorBoxFont) = font;
    (hot ? ColorBoxHotTCLeft : ColorBoxTCLeft) = left;
    (hot ? ColorBoxHotTCTop : ColorBoxTCTop) = top;
    (hot ? ColorBoxHotTCRight : ColorBoxTCRight) = right;
    (hot ? ColorBoxHotTCBottom : ColorBoxTCBottom) = bottom;

    QVBoxLayout* layout = new QVBoxLayout(ScrollingContent(page));
    QFormLayout* color = new QFormLayout;
    color->addRow(QStringLiteral("Color"), font);
    layout->addLayout(color);
    QGroupBox* contour = new QGroupBox(QStringLiteral("Contour colors"));
    QFormLayout* sides = new QFormLayout(contour);
    sides->addRow(QStringLiteral("Left"), left);
    sides->addRow(QStringLiteral("Top"), top);
    sides->addRow(QStringLiteral("Right"), right);
    sides->addRow(QStringLiteral("Bottom"), bottom);
    layout->addWidget(contour);
    layout->addStretch(1);
}

void TSectionPages::CreateAnimationPage()
{
    CheckBoxFading = Named(new QCheckBox(QStringLiteral("Fading")), "CheckBoxFading");
    SpinEditIters = Named(new QSpinBox, "SpinEditIters");
    TFocusedWheel::Install(SpinEditIters);
    SpinEditIters->setRange(1, 20);
    QObject::connect(CheckBoxFading, &QCheckBox::clicked, CheckBoxFading, [this] { CheckBoxFadingClick(); });
    QObject::connect(SpinEditIters, &QSpinBox::valueChanged, SpinEditIters, [this] { SpinEditItersChange(); });
    QFormLayout* layout = new QFormLayout(ScrollingContent(form_.TabSheetAnimation));
    layout->addRow(CheckBoxFading);
    layout->addRow(QStringLiteral("Iterations"), SpinEditIters);
}

void TSectionPages::CreateImagePage(QWidget* page, std::initializer_list<TImageField**> fields)
{
    static const struct
    {
        const char* key;
        const char* caption;
    } captions[] = {
        {"GLYPHMASK", "Glyph information"},        {"SLIDERCHANNEL", "Slider channel mask"},
        {"SLIDERMASK", "Horizontal slider mask"},  {"SLIDERVMASK", "Vertical slider mask"},
        {"TICKHORZ", "Tick horizontal"},           {"TICKVERT", "Tick vertical"},
        {"IMGTOPLEFT", "Top left image"},          {"IMGTOPRIGHT", "Top right image"},
        {"IMGBTMLEFT", "Bottom left image"},       {"IMGBTMRIGHT", "Bottom right image"},
    };
    QVBoxLayout* layout = new QVBoxLayout(ScrollingContent(page));
    QFormLayout* rows = new QFormLayout;
    for (TImageField** field : fields) {
        for (const auto& caption : captions) {
            if ((*field)->Key() == QLatin1String(caption.key))
                rows->addRow(QString::fromLatin1(caption.caption), *field);
        }
    }
    layout->addLayout(rows);
    layout->addStretch(1);
}

QString TSectionPages::Section() const { return form_.CurrentSection; }

bool TSectionPages::CanWrite(const QString& section) const
{
    if (!form_.SkinFile || form_.PageLoading || form_.Destroying || section.isEmpty())
        return false;
    // An edit must not bring back a section that was just deleted.
    return section == globalInfo || form_.SkinFile->SectionExists(Latin1Bytes(section));
}

// Loading.

void TSectionPages::LoadImageField(TImageField& field, const QString& section)
{
    field.SetText(form_.ReadSectionValue(section, field.Key(), ImageValueNone));
    field.LinkResetButton();
}

void TSectionPages::LoadGlowCount(QLineEdit* count, QToolButton* reset, const QString& section, const QString& key)
{
    const QString text = form_.ReadSectionValue(section, key, ImageValueNone);
    count->setText(text);
    reset->setEnabled(!text.isEmpty() && text != ImageValueNone);
}

void TSectionPages::LoadColor(TColorBox& box)
{
    box.SetColor(TColor(form_.ReadSectionInteger(Section(), box.Key(), absentColor)));
}

void TSectionPages::LoadPercent(TPercentBar& bar) { bar.SetPosition(form_.ReadSectionInteger(Section(), bar.Key(), 0)); }

TSectionPages::Background TSectionPages::BackgroundOf(bool hot)
{
    if (hot)
        return {TrackBarHotGradPercent, PanelHotGradEdit, CheckHotGradEdit, TrackBarHotImgPercent, PanelHotImgEdit,
                CheckHotImgEdit, "HOTGRADIENTDATA", "HOTPATTERN", &HotGradientText, &HotGradientArray,
                &HotPatternText};
    return {TrackBarGradPercent, PanelGradEdit, CheckGradEdit, TrackBarImgPercent, PanelImgEdit, CheckImgEdit,
            "GRADIENTDATA", "PATTERN", &GradientText, &GradientArray, &PatternText};
}

void TSectionPages::LoadBackground(const Background& background)
{
    LoadPercent(*background.gradientBar);

    *background.gradientText =
        form_.ReadSectionValue(Section(), QString::fromLatin1(background.gradientKey), ImageValueNone);
    ShowGradient(background);

    *background.patternText =
        form_.ReadSectionValue(Section(), QString::fromLatin1(background.patternKey), ImageValueNone);
    // A bar without a percentage shows 0 and leaves the stored value (and the
    // partner) as they are.
    const bool percentage = !PatternHasOwnMask(*background.patternText);
    background.patternBar->setEnabled(percentage);
    if (percentage)
        LoadPercent(*background.patternBar);
    else
        background.patternBar->SetPosition(0);
    background.patternReset->setEnabled(*background.patternText != ImageValueNone);
    background.patternPanel->update();
}

void TSectionPages::LoadSectionPages()
{
    // Filling the controls runs their change handling; none of it may write
    // (an inherited value would otherwise become the section's own).
    const bool wasLoading = form_.PageLoading;
    form_.PageLoading = true;
    QTabWidget* pages = form_.PageControlSection;
    pages->setUpdatesEnabled(false);
    const QString section = Section();

    for (TImageField* field : {ComboMask, ComboRgn})
        LoadImageField(*field, section);
    LoadGlowCount(form_.ComboSectionGlowing, form_.CheckSectionGlow, section, QStringLiteral("GLOW"));
    LoadGlowCount(form_.ComboCloseGlowing, form_.CheckCloseGlow, globalInfo, QStringLiteral("BICONCLOSEGLOW"));
    LoadGlowCount(form_.ComboMaxGlowing, form_.CheckMaxGlow, globalInfo, QStringLiteral("BICONMAXGLOW"));
    LoadGlowCount(form_.ComboMinGlowing, form_.CheckMinGlow, globalInfo, QStringLiteral("BICONMINGLOW"));
    LoadColor(*ColorBoxBg);
    LoadColor(*ColorBoxHotBG);
    LoadPercent(*TrackBarTransBG);
    LoadPercent(*TrackBarHotTransBG);
    for (TColorBox* box : {ColorBoxFont, ColorBoxTCLeft, ColorBoxTCTop, ColorBoxTCRight, ColorBoxTCBottom,
                           ColorBoxHotFont, ColorBoxHotTCLeft, ColorBoxHotTCTop, ColorBoxHotTCRight,
                           ColorBoxHotTCBottom})
        LoadColor(*box);
    LoadBackground(BackgroundOf(false));
    LoadBackground(BackgroundOf(true));

    const bool fading = form_.ReadSectionValue(section, QStringLiteral("FADINGENABLED"), QStringLiteral("FALSE")) ==
                        QStringLiteral("TRUE");
    CheckBoxFading->setChecked(fading);
    SpinEditIters->setEnabled(fading);
    SpinEditIters->setValue(form_.ReadSectionInteger(section, QStringLiteral("FADINGITERATIONS"), 5));

    for (TImageField* field : {ComboGlyphEdit, ComboImgTopLeft, ComboImgTopRight, ComboImgBtmLeft, ComboImgBtmRight,
                               ComboChannelEdit, ComboHorSliderEdit, ComboVertSliderEdit, ComboTickHorzEdit,
                               ComboTickVertEdit})
        LoadImageField(*field, section);

    ShowOptionalPages();
    form_.FillMissedSections();
    pages->setUpdatesEnabled(true);
    pages->update();
    form_.PageLoading = wasLoading;
}

void TSectionPages::ShowOptionalPages()
{
    QTabWidget* pages = form_.PageControlSection;
    const QString section = Section();
    const auto listed = [&section](const TUpperCaseMemo* memo) { return memo->Lines().contains(section); };
    pages->setTabVisible(pages->indexOf(form_.TabSheetGlyph), listed(form_.MemoGlyph));
    pages->setTabVisible(pages->indexOf(form_.TabSheetCorners), listed(form_.MemoCornerImg));
    pages->setTabVisible(pages->indexOf(form_.TabSheetAnimation), listed(form_.MemoAnimation));
    pages->setTabVisible(pages->indexOf(form_.TabSheetTrackBar), listed(form_.MemoTrackBar));
    form_.ComboSectionGlowing->setEnabled(listed(form_.MemoGlow));
}

// Write-back.

void TSectionPages::ComboMaskChange(TImageField& field) { ImageFieldChange(field, Section()); }

void TSectionPages::CheckMaskClick(TImageField& field) { ImageFieldReset(field, Section()); }

void TSectionPages::ImageFieldChange(TImageField& field, const QString& section)
{
    field.LinkResetButton();
    if (field.Text() == ImageValueNone || form_.SkinOpening || !CanWrite(section))
        return;
    form_.SkinFile->WriteString(Latin1Bytes(section), Latin1Bytes(field.Key()), Latin1Bytes(field.Text()));
    form_.SkinChanged();
}

void TSectionPages::ImageFieldReset(TImageField& field, const QString& section)
{
    field.SetText(ImageValueNone);
    if (CanWrite(section)) {
        form_.SkinFile->DeleteKey(Latin1Bytes(section), Latin1Bytes(field.Key()));
        form_.SkinChanged();
    }
    field.CheckReset->setEnabled(false);
}

void TSectionPages::ComboMaskButtonClick(TImageField& field, TovImgType kind)
{
    field.SetText(ChooseImageValue(form_, field.Text(), kind, field.CheckReset));
}

void TSectionPages::TrackBarChange(TPercentBar& bar)
{
    const int position = bar.Position();
    if (CanWrite(Section()))
        form_.SkinFile->WriteInteger(Latin1Bytes(Section()), Latin1Bytes(bar.Key()), position);
    if (bar.Partner && 100 - position < bar.Partner->Position())
        bar.Partner->SetPosition(100 - position);
    else if (!bar.Dragging() && !form_.PageLoading)
        form_.SkinChanged();
}

void TSectionPages::TrackBarHotGradPercentMouseUp(TPercentBar& bar) { TrackBarChange(bar); }

void TSectionPages::CheckBoxTransBGClick(TPercentBar& bar) { bar.SetPosition(0); }

void TSectionPages::ColorBoxBgChange(TColorBox& box) { ColorChange(box, Section()); }

void TSectionPages::ColorChange(TColorBox& box, const QString& section)
{
    box.CheckReset->setEnabled(box.Color() != TColorBox::AbsentColor);
    if (!CanWrite(section))
        return;
    if (box.Color() == TColorBox::AbsentColor)
        form_.SkinFile->DeleteKey(Latin1Bytes(section), Latin1Bytes(box.Key()));
    else
        form_.SkinFile->WriteInteger(Latin1Bytes(section), Latin1Bytes(box.Key()), int(box.Color()));
    form_.SkinChanged();
}

void TSectionPages::CheckColorDefaultClick(TColorBox& box)
{
    box.SetColor(TColorBox::AbsentColor);
    box.CheckReset->setEnabled(false);
}

void TSectionPages::CheckBoxFadingClick()
{
    const bool fading = CheckBoxFading->isChecked();
    if (CanWrite(Section())) {
        form_.SkinFile->WriteString(Latin1Bytes(Section()), "FADINGENABLED", fading ? "TRUE" : "FALSE");
        form_.SkinChanged();
    }
    SpinEditIters->setEnabled(fading);
}

void TSectionPages::SpinEditItersChange()
{
    if (!CanWrite(Section()))
        return;
    form_.SkinFile->WriteInteger(Latin1Bytes(Section()), "FADINGITERATIONS", SpinEditIters->value());
    form_.SkinChanged();
}

void TSectionPages::RemoveStateKey(const char* key, QString& text, QToolButton* reset)
{
    text = ImageValueNone;
    reset->setEnabled(false);
    if (!CanWrite(Section()))
        return;
    form_.SkinFile->DeleteKey(Latin1Bytes(Section()), key);
    form_.SkinChanged();
}

void TSectionPages::CheckImgEditClick(bool hot)
{
    const Background background = BackgroundOf(hot);
    RemoveStateKey(background.patternKey, *background.patternText, background.patternReset);
    background.patternBar->setEnabled(true);
    background.patternPanel->update();
}

void TSectionPages::CheckGradEditClick(bool hot)
{
    const Background background = BackgroundOf(hot);
    RemoveStateKey(background.gradientKey, *background.gradientText, background.gradientReset);
    ShowGradient(background);
}

void TSectionPages::ShowGradient(const Background& background)
{
    background.gradientArray->clear();
    if (*background.gradientText != ImageValueNone) {
        try {
            ParseGradientData(Latin1Bytes(*background.gradientText), *background.gradientArray);
        } catch (const EConvertError&) {
            // A gradient that is no list of numbers shows as none.
            background.gradientArray->clear();
        }
    }
    background.gradientReset->setEnabled(*background.gradientText != ImageValueNone);
    background.gradientPanel->update();
}

void TSectionPages::PanelGradEditClick(bool hot)
{
    const Background background = BackgroundOf(hot);
    std::string data = Latin1Bytes(*background.gradientText);
    if (!EditGradient(&form_, data))
        return;
    if (data == Latin1Bytes(ImageValueNone)) {
        CheckGradEditClick(hot);
        return;
    }
    *background.gradientText = Latin1Text(data);
    ShowGradient(background);
    if (!CanWrite(Section()))
        return;
    form_.SkinFile->WriteString(Latin1Bytes(Section()), background.gradientKey, data);
    form_.SkinChanged();
}

void TSectionPages::PanelImgEditClick(bool hot)
{
    const Background background = BackgroundOf(hot);
    const QString chosen = ChooseImageValue(form_, *background.patternText, itisaTexture, background.patternReset);
    if (chosen == *background.patternText)
        return;
    if (chosen == ImageValueNone) {
        CheckImgEditClick(hot);
        return;
    }
    *background.patternText = chosen;
    background.patternBar->setEnabled(!PatternHasOwnMask(chosen));
    background.patternReset->setEnabled(true);
    background.patternPanel->update();
    if (!CanWrite(Section()))
        return;
    form_.SkinFile->WriteString(Latin1Bytes(Section()), background.patternKey, Latin1Bytes(chosen));
    form_.SkinChanged();
}
