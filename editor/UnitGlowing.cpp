#include "editor/UnitGlowing.h"

#include "editor/ChooseImage.h"
#include "editor/Unit1.h"
#include "skinfiles/TMemIniFile.h"

#include <QAction>
#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <climits>

namespace {

const QString globalInfoSection = QStringLiteral("GLOBALINFO");

std::string latin1(const QString& text) { return text.toLatin1().toStdString(); }

QString latin1(const std::string& text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

template <typename Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QToolButton* speedButton(const char* name, const QString& caption)
{
    QToolButton* button = named(new QToolButton, name);
    button->setText(caption);
    button->setAutoRaise(true);
    return button;
}

std::string indexedKey(const QString& prefix, int index) { return latin1(prefix + QString::number(index)); }

// Removes the count key and the keys of its images.
void DeleteGlowImages(TMemIniFile& skin, const std::string& section, const QString& prefix, int count)
{
    for (int index = 0; index < count; ++index)
        skin.DeleteKey(section, indexedKey(prefix, index));
    skin.DeleteKey(section, latin1(prefix));
}

// One glow property of the main window: its count field, its reset button
// and the key prefix of its list.
struct GlowField
{
    QLineEdit* edit;
    QToolButton* reset;
    QString prefix;
};

QList<GlowField> GlowFields(const TMainForm& form)
{
    return {{form.ComboSectionGlowing, form.CheckSectionGlow, QStringLiteral("GLOW")},
            {form.ComboCloseGlowing, form.CheckCloseGlow, QStringLiteral("BICONCLOSEGLOW")},
            {form.ComboMaxGlowing, form.CheckMaxGlow, QStringLiteral("BICONMAXGLOW")},
            {form.ComboMinGlowing, form.CheckMinGlow, QStringLiteral("BICONMINGLOW")}};
}

// The section a glow property edits: the selected one while the sections
// page is active, "GLOBALINFO" otherwise.
QString GlowSection(const TMainForm& form)
{
    if (form.PageControlMain->currentWidget() != form.TabSheetSections)
        return globalInfoSection;
    const QList<QListWidgetItem*> selected = form.ListBoxSections->selectedItems();
    return selected.isEmpty() ? QString() : selected.constFirst()->text();
}

void AddGlowField(TMainForm& form, QGridLayout* layout, int row, const QString& caption, QLineEdit*& edit,
                  QToolButton*& reset, const char* editName, const char* resetName)
{
    edit = named(new QLineEdit(ImageValueNone), editName);
    edit->setReadOnly(true);
    QAction* browse = edit->addAction(form.style()->standardIcon(QStyle::SP_FileDialogStart), QLineEdit::TrailingPosition);
    QLineEdit* const field = edit;
    QObject::connect(browse, &QAction::triggered, &form, [&form, field] { ComboSectionGlowingButtonClick(form, field); });
    reset = named(new QToolButton, resetName);
    reset->setIcon(form.style()->standardIcon(QStyle::SP_DialogResetButton));
    reset->setAutoRaise(true);
    reset->setEnabled(false);
    QToolButton* const button = reset;
    QObject::connect(reset, &QToolButton::clicked, &form, [&form, button] { CheckSectionGlowClick(form, button); });
    layout->addWidget(new QLabel(caption), row, 0);
    layout->addWidget(edit, row, 1);
    layout->addWidget(reset, row, 2);
}

// The page's own box layout, made when the page has none yet.
QBoxLayout* PageLayout(QWidget* page)
{
    if (QBoxLayout* layout = qobject_cast<QBoxLayout*>(page->layout()))
        return layout;
    return new QVBoxLayout(page);
}

} // namespace

TFormGlowing::TFormGlowing(TMainForm& mainForm, QWidget* parent) : QDialog(parent), mainForm_(mainForm)
{
    setObjectName(QStringLiteral("FormGlowing"));
    setWindowTitle(QStringLiteral("FormGlowing"));
    setFixedSize(518, 281);

    QHBoxLayout* layout = new QHBoxLayout(this);
    QVBoxLayout* left = new QVBoxLayout;
    ListBoxGlow = named(new QListWidget, "ListBoxGlow");
    left->addWidget(ListBoxGlow, 1);
    QHBoxLayout* buttons = new QHBoxLayout;
    sSpeedButton5 = speedButton("sSpeedButton5", QStringLiteral("Add"));
    sSpeedButton8 = speedButton("sSpeedButton8", QStringLiteral("Edit"));
    sSpeedButton9 = speedButton("sSpeedButton9", QStringLiteral("Remove"));
    sSpeedButton8->setEnabled(false);
    sSpeedButton9->setEnabled(false);
    buttons->addWidget(sSpeedButton5);
    buttons->addWidget(sSpeedButton8);
    buttons->addWidget(sSpeedButton9);
    left->addLayout(buttons);
    QHBoxLayout* margin = new QHBoxLayout;
    sSpinEdit1 = named(new QSpinBox, "sSpinEdit1");
    sSpinEdit1->setRange(INT_MIN, INT_MAX);
    sSpinEdit1->setValue(1);
    margin->addWidget(new QLabel(QStringLiteral("Internal margin (px)")));
    margin->addWidget(sSpinEdit1);
    left->addLayout(margin);
    layout->addLayout(left, 3);

    QVBoxLayout* right = new QVBoxLayout;
    sPanel1 = named(new QLabel(QStringLiteral("Preview")), "sPanel1");
    sPanel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    sPanel1->setAlignment(Qt::AlignCenter);
    right->addWidget(sPanel1, 1);
    sBitBtn1 = named(new QPushButton(QStringLiteral("OK")), "sBitBtn1");
    sBitBtn2 = named(new QPushButton(QStringLiteral("Cancel")), "sBitBtn2");
    right->addWidget(sBitBtn1);
    right->addWidget(sBitBtn2);
    layout->addLayout(right, 2);

    connect(sSpeedButton5, &QToolButton::clicked, this, [this] { sSpeedButton5Click(); });
    connect(sSpeedButton8, &QToolButton::clicked, this, [this] { sSpeedButton8Click(); });
    connect(sSpeedButton9, &QToolButton::clicked, this, [this] { sSpeedButton9Click(); });
    connect(ListBoxGlow, &QListWidget::itemSelectionChanged, this, [this] { ListBoxGlowClick(); });
    connect(sBitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(sBitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

QStringList TFormGlowing::Lines() const
{
    QStringList lines;
    for (int row = 0; row < ListBoxGlow->count(); ++row)
        lines.append(ListBoxGlow->item(row)->text());
    return lines;
}

void TFormGlowing::sSpeedButton5Click()
{
    const QString value = ChooseImageValue(mainForm_, QString(), itisaGlow);
    if (!value.isEmpty() && value != ImageValueNone)
        ListBoxGlow->addItem(value);
}

void TFormGlowing::sSpeedButton8Click()
{
    QListWidgetItem* item = ListBoxGlow->currentItem();
    if (item && item->isSelected())
        item->setText(ChooseImageValue(mainForm_, item->text(), itisaGlow));
}

void TFormGlowing::sSpeedButton9Click()
{
    QListWidgetItem* item = ListBoxGlow->currentItem();
    if (item && item->isSelected())
        delete item;
    // No line is selected after a removal.
    ListBoxGlow->setCurrentItem(nullptr);
    ListBoxGlow->clearSelection();
    ListBoxGlowClick();
}

void TFormGlowing::ListBoxGlowClick()
{
    const bool selected = !ListBoxGlow->selectedItems().isEmpty();
    sSpeedButton8->setEnabled(selected);
    sSpeedButton9->setEnabled(selected);
}

TGlowEditResult EditGlowImages(TMainForm& form, const QString& section, const QString& prefix)
{
    if (!form.SkinFile)
        return {};
    TMemIniFile& skin = *form.SkinFile;
    const std::string sectionName = latin1(section);
    const std::string countKey = latin1(prefix);
    const std::string marginKey = latin1(prefix + QStringLiteral("MARGIN"));

    TFormGlowing window(form, &form);
    const int count = skin.ReadInteger(sectionName, countKey, 0);
    for (int index = 0; index < count; ++index)
        window.ListBoxGlow->addItem(latin1(skin.ReadString(sectionName, indexedKey(prefix, index), "")));
    window.sSpinEdit1->setValue(skin.ReadInteger(sectionName, marginKey, 1));
    if (window.exec() != QDialog::Accepted)
        return {};

    const QStringList lines = window.Lines();
    const int oldCount = skin.ReadInteger(sectionName, countKey, 0);
    if (oldCount > 0)
        DeleteGlowImages(skin, sectionName, prefix, oldCount);
    skin.WriteInteger(sectionName, countKey, int(lines.size()));
    for (int index = 0; index < lines.size(); ++index)
        skin.WriteString(sectionName, indexedKey(prefix, index), latin1(lines[index]));
    skin.WriteInteger(sectionName, marginKey, window.sSpinEdit1->value());
    return {true, int(lines.size())};
}

void CreateGlowFields(TMainForm& form)
{
    QGridLayout* section = new QGridLayout;
    AddGlowField(form, section, 0, QStringLiteral("Glow effect images count (Png) : "), form.ComboSectionGlowing,
                 form.CheckSectionGlow, "ComboSectionGlowing", "CheckSectionGlow");
    PageLayout(form.TabSheetInfo)->insertLayout(0, section);

    QGroupBox* titleButtons = named(new QGroupBox(QStringLiteral("Glow effect images (PNG)")), "GroupBoxGlow");
    QGridLayout* buttons = new QGridLayout(titleButtons);
    AddGlowField(form, buttons, 0, QStringLiteral("Frames count :   Close button : "), form.ComboCloseGlowing,
                 form.CheckCloseGlow, "ComboCloseGlowing", "CheckCloseGlow");
    AddGlowField(form, buttons, 1, QStringLiteral("Maximize : "), form.ComboMaxGlowing, form.CheckMaxGlow,
                 "ComboMaxGlowing", "CheckMaxGlow");
    AddGlowField(form, buttons, 2, QStringLiteral("Minimize : "), form.ComboMinGlowing, form.CheckMinGlow,
                 "ComboMinGlowing", "CheckMinGlow");
    PageLayout(form.TabSheetGlyphs2)->addWidget(titleButtons);
}

void ComboSectionGlowingButtonClick(TMainForm& form, QLineEdit* edit)
{
    for (const GlowField& field : GlowFields(form)) {
        if (field.edit != edit)
            continue;
        const QString section = GlowSection(form);
        if (section.isEmpty())
            return;
        const TGlowEditResult result = EditGlowImages(form, section, field.prefix);
        if (!result.Accepted)
            return;
        if (result.Count > 0) {
            edit->setText(QString::number(result.Count));
            field.reset->setEnabled(true);
        } else {
            edit->setText(ImageValueNone);
        }
        form.WriteSkinFile();
        form.SkinChanged();
        return;
    }
}

void CheckSectionGlowClick(TMainForm& form, QAbstractButton* button)
{
    for (const GlowField& field : GlowFields(form)) {
        if (field.reset != button)
            continue;
        field.edit->setText(ImageValueNone);
        const QString section = GlowSection(form);
        if (form.SkinFile && !section.isEmpty()) {
            TMemIniFile& skin = *form.SkinFile;
            const std::string sectionName = latin1(section);
            const std::string marginKey = latin1(field.prefix + QStringLiteral("MARGIN"));
            const int count = skin.ReadInteger(sectionName, latin1(field.prefix), 0);
            // A lone margin key is an edit too: it must reach the file.
            const bool changed = count > 0 || skin.ValueExists(sectionName, marginKey);
            if (count > 0)
                DeleteGlowImages(skin, sectionName, field.prefix, count);
            skin.DeleteKey(sectionName, marginKey);
            if (changed)
                form.SkinChanged();
        }
        button->setEnabled(false);
        return;
    }
}
