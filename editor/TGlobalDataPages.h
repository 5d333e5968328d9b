#pragma once

#include "engine/TsSkinModel.h"

#include <QList>
#include <QString>

class QCheckBox;
class QDoubleSpinBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QToolButton;
class QWidget;
class TColorBox;
class TImageField;
class TMainForm;

// The " Global data " pages: the skin-wide values of "GLOBALINFO" (master
// bitmap, author, version and description, default colours, shared glyphs,
// title-bar layout, text shadow). Filled by LoadGlobalData at every opening
// of a skin; the main window owns one.
class TGlobalDataPages
{
public:
    explicit TGlobalDataPages(TMainForm& form);
    TGlobalDataPages(const TGlobalDataPages&) = delete;
    TGlobalDataPages& operator=(const TGlobalDataPages&) = delete;

    void LoadGlobalData();

    // Author, Description and Version of the open skin, as "GLOBALINFO" holds them.
    TsSkinData SkinData;

    // " Main info ".
    QLineEdit* FilenameMaster;
    QToolButton* FilenameMasterButton;
    QLineEdit* EditAuthor;
    QPlainTextEdit* MemoDesc;
    QDoubleSpinBox* EditVersion;
    QCheckBox* CommonVersionCheck;
    QPushButton* sBitBtn1;
    // " Colors ".
    TColorBox* ColorDefault;
    TColorBox* ColorDefaultHot;
    TColorBox* FontColorDefault;
    TColorBox* FXColorDefault;
    TColorBox* BorderColorDefault;
    // " Glyphs 1 ".
    TImageField* ComboBoxChecked;
    TImageField* ComboBoxUnChecked;
    TImageField* ComboBoxGrayed;
    TImageField* ComboRadioChecked;
    TImageField* ComboRadioUnChecked;
    TImageField* ComboSmallChecked;
    TImageField* ComboSmallUnChecked;
    TImageField* ComboSmallGrayed;
    TImageField* ComboCheck;
    TImageField* ComboGripEdit;
    // " Glyphs 2 ".
    TImageField* EditSIconClose;
    TImageField* EditSIconMax;
    TImageField* EditSIconNorm;
    TImageField* EditSIconMin;
    TImageField* EditSIconHelp;
    TImageField* ComboCloseEdit;
    TImageField* ComboHelpEdit;
    TImageField* ComboMaxEdit;
    TImageField* ComboMinEdit;
    TImageField* ComboNormEdit;
    TImageField* ComboUserEdit;
    QSpinBox* SpinBISpacing;
    QCheckBox* CheckBoxBIAlign;
    QSpinBox* SpinBILeft;
    QSpinBox* SpinBIRight;
    // " Shadows ".
    TColorBox* ColorShadow1;
    QSpinBox* SpinShadow1Offset;
    QToolButton* CheckShadow1Offset;
    QSpinBox* SpinShadow1Blur;
    QToolButton* CheckShadow1Blur;

    // Handlers.
    void FilenameMasterChange();
    void sBitBtn1Click();
    void ComboBoxCheckedChange(TImageField& field);
    void CheckBoxCheckedClick(TImageField& field);
    void ComboCloseEditButtonClick(TImageField& field);
    void SpinShadow1OffsetChange(QSpinBox& box);
    void CheckShadow1OffsetClick(QSpinBox& box);
    void CheckBoxBIAlignClick();

private:
    void CreateMainInfoPage();
    void CreateColorsPage();
    void CreateGlyphs1Page();
    void CreateGlyphs2Page();
    void CreateShadowsPage();
    TImageField* NewGlyphField(const char* name, const char* key, const char* resetName);
    TColorBox* NewColorBox(const char* name, const char* key, const char* resetName);
    QSpinBox* NewNumberBox(const char* name, const char* key, int minimum, int maximum);
    QList<TImageField*> GlyphFields() const;
    QList<QSpinBox*> NumberBoxes() const;
    // The reset button of a number box, if it has one.
    QToolButton* ResetOf(const QSpinBox& box) const;

    void LoadGlyphField(TImageField& field);
    void LoadMasterBitmap();
    void ReadMasterBitmap(const QString& fileName);
    void ReadSkinInfo();
    void LoadNumberBox(QSpinBox& box, const char* def);
    bool CanWrite() const;
    QString GlobalValue(const char* key, const char* def) const;

    TMainForm& form_;
};
