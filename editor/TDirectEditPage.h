#pragma once

#include <QString>
#include <QWidget>

#include <string>
#include <string_view>
#include <utility>

class QPlainTextEdit;
class QPushButton;
class TMainForm;

// The " Direct editing " page: the current section as plain "KEY = VALUE"
// lines, written back whole on "Save" or when the page is left.
class TDirectEditPage : public QWidget
{
public:
    explicit TDirectEditPage(TMainForm& form);

    // Fills the text from the current section (the page became visible, or
    // a refresh was asked for); unsaved typing is dropped.
    void TabSheetDirectShow();
    // Writes the text back into the section it was loaded from, when it was
    // changed and no guard flag is up.
    void TabSheetDirectHide();
    void MemoDirectChange();
    void sBitBtn2Click();
    void sBitBtn3Click();
    // Either page control changed its page: shows or hides this page as it
    // becomes visible or is left.
    void PageChanged();

    QPlainTextEdit* MemoDirect;
    QPushButton* sBitBtn2; // "Save"
    QPushButton* sBitBtn3; // "Cancel"

private:
    bool IsVisiblePage() const;
    void EnableButtons(bool enabled);

    TMainForm& form_;
    bool visiblePage_ = false;
    QString shownSection_;
};

// A line of the page as key and value: the key is the first word (words are
// separated by blanks and "="), the value the rest of the line after the
// separators that follow the key, without trailing blanks.
std::pair<std::string, std::string> SplitDirectLine(std::string_view line);
