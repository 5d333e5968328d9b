#include "dialogs/ovSelectSkin.h"

#include "platform/Dialogs.h"
#include "platform/FileNames.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <string>
#include <vector>

namespace {

template <typename Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

TFormSkinSelect::TFormSkinSelect(QWidget* parent) : QDialog(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("FormSkinSelect"));
    setWindowTitle(QStringLiteral("Select skin"));
    resize(500, 360);
    setMinimumSize(500, 360);

    sDirectoryEdit1 = named(new QLineEdit, "sDirectoryEdit1");
    sDirectoryEdit1->setMaxLength(255);
    DirectoryDialog.Caption = QStringLiteral("Select directory");
    QAction* browse = sDirectoryEdit1->addAction(style()->standardIcon(QStyle::SP_DirOpenIcon), QLineEdit::TrailingPosition);
    connect(browse, &QAction::triggered, this, [this] {
        DirectoryDialog.Path = sDirectoryEdit1->text();
        if (DirectoryDialog.Execute())
            sDirectoryEdit1->setText(DirectoryDialog.Path);
    });
    connect(sDirectoryEdit1, &QLineEdit::textChanged, this, [this] { sDirectoryEdit1Change(); });

    sListBox1 = named(new QListWidget, "sListBox1");
    connect(sListBox1, &QListWidget::itemSelectionChanged, this, [this] { sListBox1Click(); });
    connect(sListBox1, &QListWidget::itemDoubleClicked, this, [this] { sListBox1DblClick(); });

    // The panel that will hold the live preview of the selected skin.
    sPanel1 = named(new QFrame, "sPanel1");
    sPanel1->setFrameShape(QFrame::NoFrame);
    QVBoxLayout* panel = new QVBoxLayout(sPanel1);
    panel->addWidget(new QLabel(QStringLiteral("Skin preview")), 0, Qt::AlignCenter);
    sPanel1->setEnabled(false);

    sBitBtn1 = named(new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK")), "sBitBtn1");
    sBitBtn1->setDefault(true);
    sBitBtn1->setEnabled(false);
    connect(sBitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    sBitBtn2 = named(new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("Cancel")),
                     "sBitBtn2");
    connect(sBitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    QGridLayout* layout = new QGridLayout(this);
    QHBoxLayout* folder = new QHBoxLayout;
    folder->addWidget(new QLabel(QStringLiteral("DIrectory with skins")));
    folder->addWidget(sDirectoryEdit1, 1);
    layout->addLayout(folder, 0, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Available skins :")), 1, 0);
    layout->addWidget(sListBox1, 2, 0);
    layout->addWidget(sPanel1, 1, 1, 2, 1);
    layout->setColumnStretch(0, 2);
    layout->setColumnStretch(1, 3);
    QHBoxLayout* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(sBitBtn1);
    buttons->addWidget(sBitBtn2);
    layout->addLayout(buttons, 3, 0, 1, 2);
}

void TFormSkinSelect::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    sDirectoryEdit1Change();
    const QList<QListWidgetItem*> found = sListBox1->findItems(NameToSelect, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!NameToSelect.isEmpty() && !found.isEmpty())
        sListBox1->setCurrentItem(found.constFirst());
}

void TFormSkinSelect::sDirectoryEdit1Change()
{
    // The list is filled once the window shows, not while it is being set up.
    if (!isVisible())
        return;
    std::vector<std::string> names;
    GetSkinNames(FileNameBytes(sDirectoryEdit1->text()), names, KindFilter);
    sListBox1->clear();
    for (const std::string& name : names)
        sListBox1->addItem(FileNameText(name));
    sListBox1Click();
}

void TFormSkinSelect::sListBox1Click() { sBitBtn1->setEnabled(!sListBox1->selectedItems().isEmpty()); }

void TFormSkinSelect::sListBox1DblClick()
{
    if (sBitBtn1->isEnabled())
        sBitBtn1->click();
}

QString TFormSkinSelect::SelectedSkin() const
{
    const QList<QListWidgetItem*> selected = sListBox1->selectedItems();
    return selected.isEmpty() ? QString() : selected.constFirst()->text();
}

bool SelectSkin(QString& skinName, QString& folder, int kindFilter)
{
    TFormSkinSelect window(QApplication::activeWindow());
    window.sDirectoryEdit1->setText(folder);
    window.NameToSelect = skinName;
    window.KindFilter = kindFilter;
    if (!AppDialogs().ExecWindow(window))
        return false;
    skinName = window.SelectedSkin();
    folder = window.sDirectoryEdit1->text();
    return true;
}
