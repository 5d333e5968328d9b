#include "platform/ProcessMessages.h"

#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

TEST(ProcessMessagesTest, WaitingLetsEventsRunForTheWholeTime)
{
    QObject context;
    QList<qint64> firedAt;
    QElapsedTimer clock;
    clock.start();
    for (int delay : {0, 30, 60})
        QTimer::singleShot(delay, &context, [&] { firedAt.append(clock.elapsed()); });
    WaitProcessingMessages(100);
    EXPECT_GE(clock.elapsed(), 100);
    ASSERT_EQ(firedAt.size(), 3);
    EXPECT_GE(firedAt.last(), 60);
}
