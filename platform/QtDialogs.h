#pragma once

#include "platform/Dialogs.h"

// The dialogs a person answers: Qt's message boxes, input dialog, file,
// folder and colour dialogs, over the active window.
class QtDialogs : public Dialogs
{
public:
    void Warning(const QString& text) override;
    void Error(const QString& text) override;
    bool Confirm(const QString& text) override;
    bool InputQuery(const QString& caption, const QString& prompt, QString& value) override;
    std::optional<QString> SelectFolder(const QString& caption, const QString& startFolder) override;
    std::optional<QString> OpenFile(const FileDialogOptions& options) override;
    std::optional<QString> SaveFile(const FileDialogOptions& options) override;
    std::optional<std::uint32_t> SelectColor(std::uint32_t initial) override;

    // "Images (*.bmp, *.jpg)|*.bmp;*.jpg" -> "Images (*.bmp, *.jpg) (*.bmp *.jpg)".
    static QString QtFilter(const QString& filter);
};
