#include "editor/TDirectEditPage.h"
#include "editor/Latin1Text.h"

#include "editor/Unit1.h"
#include "skinfiles/TMemIniFile.h"
#include "skinfiles/sStoreUtils.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr std::string_view separators = " =";


} // namespace

std::pair<std::string, std::string> SplitDirectLine(std::string_view line)
{
    const std::size_t keyStart = std::min(line.find_first_not_of(separators), line.size());
    const std::size_t keyEnd = std::min(line.find_first_of(separators, keyStart), line.size());
    const std::size_t valueStart = std::min(line.find_first_not_of(separators, keyEnd), line.size());
    std::string_view value = line.substr(valueStart);
    value = value.substr(0, value.find_last_not_of(' ') + 1);
    return {std::string(line.substr(keyStart, keyEnd - keyStart)), std::string(value)};
}

TDirectEditPage::TDirectEditPage(TMainForm& form) : form_(form)
{
    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    MemoDirect = new QPlainTextEdit;
    MemoDirect->setObjectName(QStringLiteral("MemoDirect"));
    MemoDirect->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoDirect->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoDirect->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(MemoDirect, 1);

    QHBoxLayout* buttons = new QHBoxLayout;
    sBitBtn2 = new QPushButton(QStringLiteral("Save"));
    sBitBtn2->setObjectName(QStringLiteral("sBitBtn2"));
    sBitBtn3 = new QPushButton(QStringLiteral("Cancel"));
    sBitBtn3->setObjectName(QStringLiteral("sBitBtn3"));
    buttons->addStretch(1);
    buttons->addWidget(sBitBtn2);
    buttons->addWidget(sBitBtn3);
    layout->addLayout(buttons);
    EnableButtons(false);

    connect(MemoDirect, &QPlainTextEdit::textChanged, this, [this] { MemoDirectChange(); });
    connect(sBitBtn2, &QPushButton::clicked, this, [this] { sBitBtn2Click(); });
    connect(sBitBtn3, &QPushButton::clicked, this, [this] { sBitBtn3Click(); });
}

void TDirectEditPage::TabSheetDirectShow()
{
    shownSection_ = form_.CurrentSection;
    QStringList lines;
    if (form_.SkinFile) {
        for (const auto& [key, value] : form_.SkinFile->ReadSectionValues(form_.CurrentSection.toLatin1().toStdString()))
            lines.append(Latin1(UpperCaseAscii(key + " = " + value)));
    }
    MemoDirect->setUpdatesEnabled(false);
    {
        const QSignalBlocker quiet(MemoDirect);
        MemoDirect->setPlainText(lines.join(QLatin1Char('\n')));
    }
    MemoDirect->setUpdatesEnabled(true);
    EnableButtons(false);
}

void TDirectEditPage::TabSheetDirectHide()
{
    // Nothing to write without a section: the lines would make a nameless one.
    if (form_.PageLoading || form_.SkinOpening || !sBitBtn2->isEnabled() || !form_.SkinFile || shownSection_.isEmpty())
        return;
    // Into the section the text came from, even when leaving the page has
    // already made another one current.
    const std::string section = shownSection_.toLatin1().toStdString();
    form_.SkinFile->EraseSection(section);
    for (const QString& line : MemoDirect->toPlainText().split(QLatin1Char('\n'))) {
        const auto [key, value] = SplitDirectLine(line.toLatin1().toStdString());
        // A blank line would write a nameless key.
        if (!key.empty())
            form_.SkinFile->WriteString(section, key, value);
    }
    form_.PublishSkin();
    EnableButtons(false);
}

void TDirectEditPage::MemoDirectChange() { EnableButtons(true); }

void TDirectEditPage::sBitBtn2Click()
{
    TabSheetDirectHide();
    form_.ListBoxSectionsClick();
}

void TDirectEditPage::sBitBtn3Click() { TabSheetDirectShow(); }

void TDirectEditPage::PageChanged()
{
    const bool visible = IsVisiblePage();
    if (visible == visiblePage_)
        return;
    visiblePage_ = visible;
    if (visible)
        TabSheetDirectShow();
    else
        TabSheetDirectHide();
}

bool TDirectEditPage::IsVisiblePage() const
{
    return form_.PageControlSection->currentWidget() == this
           && form_.PageControlMain->currentWidget() == form_.TabSheetSections;
}

void TDirectEditPage::EnableButtons(bool enabled)
{
    sBitBtn2->setEnabled(enabled);
    sBitBtn3->setEnabled(enabled);
}
