#include "platform/QtDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

namespace {

QWidget* dialogParent() { return QApplication::activeWindow(); }

QString startPath(const FileDialogOptions& options)
{
    if (options.InitialDir.isEmpty())
        return options.FileName;
    return QDir(options.InitialDir).filePath(options.FileName);
}

// The default extension comes as "*.vpk" or ".vpk" or "vpk".
QString bareExtension(QString extension)
{
    while (extension.startsWith(QLatin1Char('*')) || extension.startsWith(QLatin1Char('.')))
        extension.remove(0, 1);
    return extension;
}

std::optional<QString> runFileDialog(const FileDialogOptions& options, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(dialogParent(), options.Title, QString(), QtDialogs::QtFilter(options.Filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen && options.FileMustExist ? QFileDialog::ExistingFile
                                                                                 : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.OverwritePrompt);
    dialog.setDefaultSuffix(bareExtension(options.DefaultExt));
    dialog.selectFile(startPath(options));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

void QtDialogs::Warning(const QString& text)
{
    QMessageBox::warning(dialogParent(), QStringLiteral("Warning"), text, QMessageBox::Ok);
}

void QtDialogs::Error(const QString& text)
{
    QMessageBox::critical(dialogParent(), QStringLiteral("Error"), text, QMessageBox::Ok);
}

bool QtDialogs::Confirm(const QString& text)
{
    return QMessageBox::question(dialogParent(), QStringLiteral("Confirm"), text, QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

bool QtDialogs::InputQuery(const QString& caption, const QString& prompt, QString& value)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(dialogParent(), caption, prompt, QLineEdit::Normal, value, &ok);
    if (ok)
        value = answer;
    return ok;
}

std::optional<QString> QtDialogs::SelectFolder(const QString& caption, const QString& startFolder)
{
    const QString folder = QFileDialog::getExistingDirectory(dialogParent(), caption, startFolder);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

std::optional<QString> QtDialogs::OpenFile(const FileDialogOptions& options)
{
    return runFileDialog(options, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDialogs::SaveFile(const FileDialogOptions& options)
{
    return runFileDialog(options, QFileDialog::AcceptSave);
}

std::optional<std::uint32_t> QtDialogs::SelectColor(std::uint32_t initial)
{
    const QColor start(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF);
    const QColor chosen = QColorDialog::getColor(start, dialogParent());
    if (!chosen.isValid())
        return std::nullopt;
    return static_cast<std::uint32_t>(chosen.red()) | static_cast<std::uint32_t>(chosen.green()) << 8
        | static_cast<std::uint32_t>(chosen.blue()) << 16;
}

QString QtDialogs::QtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList qtFilters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        qtFilters.append(parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return qtFilters.join(QStringLiteral(";;"));
}
