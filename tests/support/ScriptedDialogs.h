#pragma once

#include "platform/Dialogs.h"

#include <cstdint>
#include <deque>
#include <vector>

// The Dialogs service of tests: it records every question the program asks
// and answers from a queue the test fills beforehand. A question with no
// queued answer is cancelled (No for confirmations); warnings and errors need
// no answer.
// Constructing one installs it for the whole program; destroying it puts the
// previous service back.
class ScriptedDialogs : public Dialogs
{
public:
    enum class Kind { Warning, Error, Confirm, InputQuery, SelectFolder, OpenFile, SaveFile, SelectColor };

    struct Question
    {
        Kind kind;
        QString caption;     // dialog caption or title ("Warning", "Error", "Confirm" for message boxes)
        QString text;        // message, or prompt of an input query
        QString value;       // initial text of an input query, start folder, or initial file name
        FileDialogOptions file; // open and save dialogs
        std::uint32_t color = 0;
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    void answerYes();
    void answerNo();
    void answerInput(const QString& text);
    void chooseFolder(const QString& folder);
    void chooseFile(const QString& fileName);
    void chooseColor(std::uint32_t color);
    // Cancels the next question of this kind explicitly.
    void cancel(Kind kind);

    const std::vector<Question>& asked() const { return asked_; }
    // Questions of one kind, in the order they were asked.
    std::vector<Question> asked(Kind kind) const;
    std::size_t pendingAnswers() const { return answers_.size(); }

    void Warning(const QString& text) override;
    void Error(const QString& text) override;
    bool Confirm(const QString& text) override;
    bool InputQuery(const QString& caption, const QString& prompt, QString& value) override;
    std::optional<QString> SelectFolder(const QString& caption, const QString& startFolder) override;
    std::optional<QString> OpenFile(const FileDialogOptions& options) override;
    std::optional<QString> SaveFile(const FileDialogOptions& options) override;
    std::optional<std::uint32_t> SelectColor(std::uint32_t initial) override;

private:
    struct Answer
    {
        Kind kind;
        bool accepted;
        QString text;
        std::uint32_t color = 0;
    };

    // Records the question and takes the next answer, which must be for its kind.
    Answer answer(Question question);

    std::vector<Question> asked_;
    std::deque<Answer> answers_;
    Dialogs* previous_;
};
