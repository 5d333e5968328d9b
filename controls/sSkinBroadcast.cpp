#include "controls/sSkinBroadcast.h"

#include "engine/sSkinCommand.h"
#include "engine/sSkinManager.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace {

bool IsSkinnedControl(QWidget* widget)
{
    return SendSkinCommand(widget, SkinCmdIsSkinned, 0) == 1;
}

} // namespace

void BroadcastSkinCommand(QWidget* container, SkinCommandEvent& event)
{
    // A receiver may delete windows: walk guarded copies of the child list.
    QList<QPointer<QWidget>> children;
    for (QObject* child : container->children())
        if (child->isWidgetType())
            children.append(static_cast<QWidget*>(child));
    for (const QPointer<QWidget>& child : children) {
        if (!child)
            break;
        if (IsSkinnedControl(child))
            QCoreApplication::sendEvent(child, &event);
        else
            BroadcastSkinCommand(child, event);
    }
}

void BroadcastToApplicationForms(SkinCommandEvent& event)
{
    QList<QPointer<QWidget>> forms;
    for (QWidget* form : QApplication::topLevelWidgets())
        forms.prepend(form);
    for (const QPointer<QWidget>& form : forms) {
        if (!form || IsSkinnedControl(form))
            continue;
        QCoreApplication::sendEvent(form, &event);
        if (form)
            BroadcastSkinCommand(form, event);
    }
}

void InstallSkinBroadcast()
{
    SetSkinBroadcast(BroadcastToApplicationForms);
    TsSkinManager::SetMessageHandler(
        [](const std::string& text) { AppDialogs().Warning(QString::fromLatin1(text.c_str())); });
}
