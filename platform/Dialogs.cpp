#include "platform/Dialogs.h"

#include "platform/QtDialogs.h"

#include <utility>

namespace {

Dialogs*& installedDialogs()
{
    static Dialogs* service = nullptr;
    return service;
}

} // namespace

Dialogs& AppDialogs()
{
    if (Dialogs* service = installedDialogs())
        return *service;
    static QtDialogs realDialogs;
    return realDialogs;
}

Dialogs* InstallDialogs(Dialogs* service) { return std::exchange(installedDialogs(), service); }
