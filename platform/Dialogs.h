#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// What an open or save file dialog is set up with. Filters are written as
// pairs "Description|pattern;pattern|Description|pattern".
struct FileDialogOptions
{
    QString Title;
    QString Filter;
    QString DefaultExt;
    QString InitialDir;
    QString FileName;
    bool FileMustExist = false;
    bool OverwritePrompt = false;
};

// Every question the programs ask the user goes through this service: the
// real one shows dialogs, tests install a scripted one that answers without
// a person. Nothing else opens message boxes or file dialogs.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // Message box captioned "Warning" with the button OK.
    virtual void Warning(const QString& text) = 0;
    // Message box captioned "Error" with the button OK.
    virtual void Error(const QString& text) = 0;
    // Message box captioned "Confirm" with Yes and No; true for Yes.
    virtual bool Confirm(const QString& text) = 0;
    // One-line input; value holds the initial text and, when confirmed, the answer.
    virtual bool InputQuery(const QString& caption, const QString& prompt, QString& value) = 0;
    // The chosen folder's full path, or nothing when cancelled.
    virtual std::optional<QString> SelectFolder(const QString& caption, const QString& startFolder) = 0;
    virtual std::optional<QString> OpenFile(const FileDialogOptions& options) = 0;
    virtual std::optional<QString> SaveFile(const FileDialogOptions& options) = 0;
    // Colours are $00BBGGRR values.
    virtual std::optional<std::uint32_t> SelectColor(std::uint32_t initial) = 0;
};

// The service in use; the real dialogs unless another one was installed.
Dialogs& AppDialogs();
// Makes service the one in use (nullptr: the real dialogs again) and returns
// the one it replaces. The caller keeps ownership.
Dialogs* InstallDialogs(Dialogs* service);
