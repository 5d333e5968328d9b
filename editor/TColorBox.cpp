#include "editor/TColorBox.h"

#include "editor/ResetButton.h"
#include "editor/TFocusedWheel.h"
#include "platform/Dialogs.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

namespace {

struct NamedColor
{
    const char* name;
    TColor color;
};

const NamedColor standardColors[] = {
    {"Black", 0x000000},  {"Maroon", 0x000080}, {"Green", 0x008000},   {"Olive", 0x008080},
    {"Navy", 0x800000},   {"Purple", 0x800080}, {"Teal", 0x808000},    {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},    {"Lime", 0x00FF00},    {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00},   {"White", 0xFFFFFF},
};

const NamedColor extendedColors[] = {
    {"Money Green", 0xC0DCC0}, {"Sky Blue", 0xF0CAA6}, {"Cream", 0xF0FBFF}, {"Medium Gray", 0xA4A0A0},
};

// System colours are $FF000000 plus the index of the platform's colour.
const NamedColor systemColors[] = {
    {"Scroll Bar", 0xFF000000},          {"Background", 0xFF000001},
    {"Active Caption", 0xFF000002},      {"Inactive Caption", 0xFF000003},
    {"Menu", 0xFF000004},                {"Window", 0xFF000005},
    {"Window Frame", 0xFF000006},        {"Menu Text", 0xFF000007},
    {"Window Text", 0xFF000008},         {"Caption Text", 0xFF000009},
    {"Active Border", 0xFF00000A},       {"Inactive Border", 0xFF00000B},
    {"Application Workspace", 0xFF00000C}, {"Highlight", 0xFF00000D},
    {"Highlight Text", 0xFF00000E},      {"Button Face", 0xFF00000F},
    {"Button Shadow", 0xFF000010},       {"Gray Text", 0xFF000011},
    {"Button Text", 0xFF000012},         {"Inactive Caption Text", 0xFF000013},
    {"Button Highlight", 0xFF000014},    {"3D Dark Shadow", 0xFF000015},
    {"3D Light", 0xFF000016},            {"Info Text", 0xFF000017},
    {"Info Background", 0xFF000018},
};

const QString customCaption = QStringLiteral("Custom...");

QIcon Swatch(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    QPixmap pixmap(12, 12);
    pixmap.fill(QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 11, 11);
    return QIcon(pixmap);
}

QString CustomName(TColor color)
{
    return QStringLiteral("$%1").arg(color, 6, 16, QLatin1Char('0')).toUpper();
}

} // namespace

TColorBox::TColorBox(const QString& key, int entries, QWidget* parent) : QWidget(parent), key_(key)
{
    Box = new QComboBox;
    Box->setToolTip(key);
    TFocusedWheel::Install(Box);
    CheckReset = NewResetButton(key);
    QHBoxLayout* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(Box, 1);
    layout->addWidget(CheckReset);
    setFocusProxy(Box);

    if (entries & WithNone)
        AddEntry(QStringLiteral("None"), AbsentColor);
    for (const NamedColor& named : standardColors)
        AddEntry(QString::fromLatin1(named.name), named.color);
    if (entries & WithSystemColors) {
        for (const NamedColor& named : extendedColors)
            AddEntry(QString::fromLatin1(named.name), named.color);
        for (const NamedColor& named : systemColors)
            AddEntry(QString::fromLatin1(named.name), named.color);
    }
    Box->addItem(customCaption);
    lastIndex_ = Box->findData(AbsentColor);
    Box->setCurrentIndex(lastIndex_);

    connect(Box, &QComboBox::activated, this, [this](int index) { EntryActivated(index); });
    connect(CheckReset, &QToolButton::clicked, this, [this] {
        if (OnReset)
            OnReset();
    });
}

void TColorBox::AddEntry(const QString& name, TColor color) { Box->addItem(Swatch(color), name, color); }

int TColorBox::CustomEntryIndex() const { return Box->count() - 1; }

TColor TColorBox::Color() const { return Box->currentData().toUInt(); }

void TColorBox::ShowColor(TColor color)
{
    int index = Box->findData(color);
    if (index < 0) {
        // One entry, just above "Custom...", shows a colour that has no name.
        if (unnamedIndex_ < 0) {
            unnamedIndex_ = CustomEntryIndex();
            Box->insertItem(unnamedIndex_, QString());
        }
        Box->setItemIcon(unnamedIndex_, Swatch(color));
        Box->setItemText(unnamedIndex_, CustomName(color));
        Box->setItemData(unnamedIndex_, color);
        index = unnamedIndex_;
    }
    Box->setCurrentIndex(index);
    lastIndex_ = index;
}

void TColorBox::SetColor(TColor color)
{
    ShowColor(color);
    if (OnChange)
        OnChange();
}

void TColorBox::EntryActivated(int index)
{
    if (index != CustomEntryIndex()) {
        lastIndex_ = index;
        if (OnChange)
            OnChange();
        return;
    }
    const TColor previous = Box->itemData(lastIndex_).toUInt();
    const std::optional<std::uint32_t> chosen = AppDialogs().SelectColor(previous);
    if (chosen)
        SetColor(*chosen);
    else
        Box->setCurrentIndex(lastIndex_);
}
