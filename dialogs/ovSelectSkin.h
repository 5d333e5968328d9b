#pragma once

#include "platform/TPathDialog.h"
#include "skinfiles/sSkinSources.h"

#include <QDialog>

class QFrame;
class QLineEdit;
class QListWidget;
class QPushButton;

// The window in which the user picks one skin out of a folder of skins: the
// folder field, the skins of the wanted kind found there, OK and Cancel.
class TFormSkinSelect : public QDialog
{
public:
    explicit TFormSkinSelect(QWidget* parent = nullptr);

    // Which skins are listed (TSkinKindFilter), and the entry selected when
    // the window shows, if the list holds it.
    int KindFilter = skAllKinds;
    QString NameToSelect;

    // Lists the skins of the folder field's folder; none is selected after.
    void sDirectoryEdit1Change();
    void sListBox1Click();
    void sListBox1DblClick();
    // The selected skin name, "" when none.
    QString SelectedSkin() const;

    QLineEdit* sDirectoryEdit1;
    QListWidget* sListBox1;
    QFrame* sPanel1;
    QPushButton* sBitBtn1; // OK
    QPushButton* sBitBtn2; // Cancel

protected:
    void showEvent(QShowEvent* event) override;

private:
    TPathDialog DirectoryDialog;
};

// Lets the user pick a skin of the kind from folder. When the window is closed
// with OK, skinName becomes the chosen skin, folder the folder it lies in, and
// the result is true; otherwise both stay as they were.
bool SelectSkin(QString& skinName, QString& folder, int kindFilter);
