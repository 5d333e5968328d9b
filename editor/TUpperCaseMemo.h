#pragma once

#include <QPlainTextEdit>
#include <QStringList>

// A multi-line list whose typed and pasted text becomes upper case, read and
// written as lines: every line ends with a line break, and a final empty
// line is not a line, so a list of one empty line survives a round trip.
class TUpperCaseMemo : public QPlainTextEdit
{
public:
    explicit TUpperCaseMemo(QWidget* parent = nullptr);

    QStringList Lines() const;
    void SetLines(const QStringList& lines);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};
