#pragma once

#include <QEvent>

#include <cstdint>
#include <functional>

class QObject;

// Sub-commands of the skin command message that the skin manager sends.
enum TSkinCommand : int {
    SkinCmdSetSkin = 1,
    SkinCmdRemoveSkin = 2,
    SkinCmdRefresh = 3,
    SkinCmdIsSkinned = 7,
    SkinCmdStopFading = 16,
    SkinCmdMouseEnterWindow = 29,
    SkinCmdMouseLeaveWindow = 30,
};

// The skin command message: sent synchronously to a window (event filters see
// it first). The receiver sets Result and Answered when it handles a
// result-bearing sub-command.
class SkinCommandEvent : public QEvent
{
public:
    SkinCommandEvent(int subCommand, int argument = 0, std::intptr_t param = 0);

    static QEvent::Type EventType();

    int SubCommand;
    int Argument; // low 16 bits; 1 = on/true
    std::intptr_t Param; // the second parameter: a pointer or a value
    std::intptr_t Result = 0;
    bool Answered = false;
};

// Sends one skin command to a window and returns its result (0 when unanswered).
std::intptr_t SendSkinCommand(QObject* window, int subCommand, std::intptr_t param, int argument = 0);

// Delivers a skin command to every window of the application. The engine knows
// no widgets: the layer that owns the window tree installs the walk at start.
// Without one, a broadcast reaches nobody (programs without windows).
using TsSkinBroadcast = std::function<void(SkinCommandEvent&)>;
void SetSkinBroadcast(TsSkinBroadcast broadcast);
void BroadcastToAllForms(SkinCommandEvent& event);
