#pragma once

#include "graphics/TColor.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QToolButton;

// A colour of a skin section: a drop-down of named colours with a custom
// colour picked through the colour dialog, and the reset button beside it.
// Fuchsia ($FF00FF) marks an absent key; "None" stands for the same value.
class TColorBox : public QWidget
{
public:
    enum Entries
    {
        StandardColors = 0,
        WithNone = 1,        // a "None" entry
        WithSystemColors = 2 // the extended colours and the system colours too
    };

    static constexpr TColor AbsentColor = clFuchsia;

    TColorBox(const QString& key, int entries, QWidget* parent = nullptr);

    // The key of the section this box edits.
    const QString& Key() const { return key_; }
    TColor Color() const;
    // Shows the colour (a custom entry when it has no name) and runs the
    // change handling, as a choice of the user does.
    void SetColor(TColor color);

    QComboBox* Box;
    QToolButton* CheckReset;
    // Runs after every change of the colour.
    std::function<void()> OnChange;
    std::function<void()> OnReset;

private:
    void AddEntry(const QString& name, TColor color);
    int CustomEntryIndex() const;
    void EntryActivated(int index);
    void ShowColor(TColor color);

    QString key_;
    int lastIndex_ = 0;
    int unnamedIndex_ = -1;
};
