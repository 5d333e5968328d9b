#include "editor/TImageField.h"

#include "editor/ChooseImage.h"
#include "editor/ResetButton.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

TImageField::TImageField(const QString& key, QWidget* parent) : QWidget(parent), key_(key)
{
    Edit = new QLineEdit(ImageValueNone);
    Edit->setReadOnly(true);
    Edit->setToolTip(key);
    ButtonBrowse = new QToolButton;
    ButtonBrowse->setText(QStringLiteral("..."));
    ButtonBrowse->setToolTip(QStringLiteral("Choose ") + key);
    ButtonBrowse->setFocusPolicy(Qt::StrongFocus);
    CheckReset = NewResetButton(key);
    QHBoxLayout* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(Edit, 1);
    layout->addWidget(ButtonBrowse);
    layout->addWidget(CheckReset);
    setFocusProxy(Edit);

    connect(Edit, &QLineEdit::textChanged, this, [this] {
        if (OnChange)
            OnChange();
    });
    connect(ButtonBrowse, &QToolButton::clicked, this, [this] {
        if (OnBrowse)
            OnBrowse();
    });
    connect(CheckReset, &QToolButton::clicked, this, [this] {
        if (OnReset)
            OnReset();
    });
}

QString TImageField::Text() const { return Edit->text(); }

void TImageField::SetText(const QString& text)
{
    Edit->setText(text);
    // Values are read from their first character.
    Edit->setCursorPosition(0);
}

void TImageField::LinkResetButton()
{
    const QString text = Text();
    CheckReset->setEnabled(!text.isEmpty() && text != ImageValueNone);
}
