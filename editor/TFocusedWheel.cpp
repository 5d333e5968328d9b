#include "editor/TFocusedWheel.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

void TFocusedWheel::Install(QWidget* control)
{
    control->setFocusPolicy(Qt::StrongFocus);
    control->installEventFilter(new TFocusedWheel(control));
}

bool TFocusedWheel::eventFilter(QObject* watched, QEvent* event)
{
    QWidget* control = static_cast<QWidget*>(watched);
    if (event->type() != QEvent::Wheel || control->hasFocus())
        return false;
    for (QWidget* parent = control->parentWidget(); parent; parent = parent->parentWidget()) {
        if (QAbstractScrollArea* page = qobject_cast<QAbstractScrollArea*>(parent)) {
            QCoreApplication::sendEvent(page->viewport(), event);
            break;
        }
    }
    return true;
}
