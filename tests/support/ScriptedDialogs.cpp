#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

ScriptedDialogs::ScriptedDialogs() : previous_(InstallDialogs(this)) {}

ScriptedDialogs::~ScriptedDialogs() { InstallDialogs(previous_); }

void ScriptedDialogs::answerYes() { answers_.push_back({Kind::Confirm, true, {}}); }
void ScriptedDialogs::answerNo() { answers_.push_back({Kind::Confirm, false, {}}); }
void ScriptedDialogs::answerInput(const QString& text) { answers_.push_back({Kind::InputQuery, true, text}); }
void ScriptedDialogs::chooseFolder(const QString& folder) { answers_.push_back({Kind::SelectFolder, true, folder}); }
void ScriptedDialogs::chooseColor(std::uint32_t color) { answers_.push_back({Kind::SelectColor, true, {}, color}); }
void ScriptedDialogs::cancel(Kind kind) { answers_.push_back({kind, false, {}}); }

// Open and save dialogs both take a file answer.
void ScriptedDialogs::chooseFile(const QString& fileName) { answers_.push_back({Kind::OpenFile, true, fileName}); }

std::vector<ScriptedDialogs::Question> ScriptedDialogs::asked(Kind kind) const
{
    std::vector<Question> questions;
    for (const Question& question : asked_) {
        if (question.kind == kind)
            questions.push_back(question);
    }
    return questions;
}

ScriptedDialogs::Answer ScriptedDialogs::answer(Question question)
{
    const Kind kind = question.kind;
    asked_.push_back(std::move(question));
    if (answers_.empty())
        return {kind, false, {}};
    Answer next = answers_.front();
    const bool fileQuestion = kind == Kind::OpenFile || kind == Kind::SaveFile;
    if (next.kind != kind && !(fileQuestion && next.kind == Kind::OpenFile)) {
        ADD_FAILURE() << "the program asked a question of another kind than the next scripted answer";
        return {kind, false, {}};
    }
    answers_.pop_front();
    return next;
}

void ScriptedDialogs::Warning(const QString& text)
{
    asked_.push_back({Kind::Warning, QStringLiteral("Warning"), text, {}, {}});
}

void ScriptedDialogs::Error(const QString& text)
{
    asked_.push_back({Kind::Error, QStringLiteral("Error"), text, {}, {}});
}

bool ScriptedDialogs::Confirm(const QString& text)
{
    return answer({Kind::Confirm, QStringLiteral("Confirm"), text, {}, {}}).accepted;
}

bool ScriptedDialogs::InputQuery(const QString& caption, const QString& prompt, QString& value)
{
    const Answer given = answer({Kind::InputQuery, caption, prompt, value, {}});
    if (given.accepted)
        value = given.text;
    return given.accepted;
}

std::optional<QString> ScriptedDialogs::SelectFolder(const QString& caption, const QString& startFolder)
{
    const Answer given = answer({Kind::SelectFolder, caption, {}, startFolder, {}});
    return given.accepted ? std::optional<QString>(given.text) : std::nullopt;
}

std::optional<QString> ScriptedDialogs::OpenFile(const FileDialogOptions& options)
{
    const Answer given = answer({Kind::OpenFile, options.Title, {}, options.FileName, options});
    return given.accepted ? std::optional<QString>(given.text) : std::nullopt;
}

std::optional<QString> ScriptedDialogs::SaveFile(const FileDialogOptions& options)
{
    const Answer given = answer({Kind::SaveFile, options.Title, {}, options.FileName, options});
    return given.accepted ? std::optional<QString>(given.text) : std::nullopt;
}

std::optional<std::uint32_t> ScriptedDialogs::SelectColor(std::uint32_t initial)
{
    Question question{Kind::SelectColor, {}, {}, {}, {}};
    question.color = initial;
    const Answer given = answer(std::move(question));
    return given.accepted ? std::optional<std::uint32_t>(given.color) : std::nullopt;
}
