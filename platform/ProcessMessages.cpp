#include "platform/ProcessMessages.h"

#include <QCoreApplication>

void ProcessMessages() { QCoreApplication::processEvents(); }
