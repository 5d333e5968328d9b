#include "engine/sSkinCommand.h"

#include <QCoreApplication>

namespace {

TsSkinBroadcast& InstalledBroadcast()
{
    static TsSkinBroadcast broadcast;
    return broadcast;
}

} // namespace

SkinCommandEvent::SkinCommandEvent(int subCommand, int argument, std::intptr_t param)
    : QEvent(EventType()), SubCommand(subCommand), Argument(argument & 0xFFFF), Param(param)
{
}

QEvent::Type SkinCommandEvent::EventType()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

std::intptr_t SendSkinCommand(QObject* window, int subCommand, std::intptr_t param, int argument)
{
    if (!window)
        return 0;
    SkinCommandEvent event(subCommand, argument, param);
    QCoreApplication::sendEvent(window, &event);
    return event.Result;
}

void SetSkinBroadcast(TsSkinBroadcast broadcast)
{
    InstalledBroadcast() = std::move(broadcast);
}

void BroadcastToAllForms(SkinCommandEvent& event)
{
    if (InstalledBroadcast())
        InstalledBroadcast()(event);
}
