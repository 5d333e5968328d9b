#include "platform/ProcessMessages.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

void ProcessMessages() { QCoreApplication::processEvents(); }

void WaitProcessingMessages(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}
