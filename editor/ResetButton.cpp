#include "editor/ResetButton.h"

#include <QApplication>
#include <QStyle>
#include <QToolButton>

QToolButton* NewResetButton(const QString& key)
{
    QToolButton* button = new QToolButton;
    button->setIcon(QApplication::style()->standardIcon(QStyle::SP_DialogDiscardButton));
    button->setToolTip(key);
    button->setAccessibleName(QStringLiteral("Reset ") + key);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setEnabled(false);
    return button;
}
