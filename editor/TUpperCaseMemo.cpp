#include "editor/TUpperCaseMemo.h"

#include <QKeyEvent>
#include <QMimeData>

TUpperCaseMemo::TUpperCaseMemo(QWidget* parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
}

QStringList TUpperCaseMemo::Lines() const
{
    QStringList lines = toPlainText().split(QLatin1Char('\n'));
    if (lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

void TUpperCaseMemo::SetLines(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QLatin1Char('\n');
    setPlainText(text);
}

void TUpperCaseMemo::keyPressEvent(QKeyEvent* event)
{
    const QString upper = event->text().toUpper();
    if (upper == event->text()) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent upperEvent(event->type(), event->key(), event->modifiers(), upper, event->isAutoRepeat(),
                         static_cast<ushort>(event->count()));
    QPlainTextEdit::keyPressEvent(&upperEvent);
}

void TUpperCaseMemo::insertFromMimeData(const QMimeData* source)
{
    if (source->hasText())
        insertPlainText(source->text().toUpper());
}
