#pragma once

#include <QDialog>
#include <QString>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QToolButton;
class TMainForm;

// The glow images editor: builds the list of PNG images a section or a
// title-bar button glows with, and its inner margin.
class TFormGlowing : public QDialog
{
public:
    explicit TFormGlowing(TMainForm& mainForm, QWidget* parent = nullptr);

    QStringList Lines() const;

    void sSpeedButton5Click(); // "Add"
    void sSpeedButton8Click(); // "Edit"
    void sSpeedButton9Click(); // "Remove"
    void ListBoxGlowClick();

    QListWidget* ListBoxGlow;
    QToolButton* sSpeedButton5;
    QToolButton* sSpeedButton8;
    QToolButton* sSpeedButton9;
    QSpinBox* sSpinEdit1;
    QLabel* sPanel1;
    QPushButton* sBitBtn1;
    QPushButton* sBitBtn2;

private:
    TMainForm& mainForm_;
};

struct TGlowEditResult
{
    bool Accepted = false;
    int Count = 0;
};

// Runs the editor on the glow list under prefix in section of the skin
// document and, when accepted, rewrites the list there: the keys of the old
// length are removed before the new ones are written.
TGlowEditResult EditGlowImages(TMainForm& form, const QString& section, const QString& prefix);

// The main window's glow count fields and reset buttons: created on the
// "Info" and " Glyphs 2 " pages, and their handlers.
void CreateGlowFields(TMainForm& form);
void ComboSectionGlowingButtonClick(TMainForm& form, QLineEdit* edit);
void CheckSectionGlowClick(TMainForm& form, QAbstractButton* button);
