#include "platform/TWindowLink.h"

#include "support/PreviewPeers.h"
#include "support/ScopedProcessSettings.h"
#include "support/TestFiles.h"

#include <QLocalSocket>
#include <QProcess>
#include <QWidget>
#include <QtEndian>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct Received
{
    std::uint32_t message;
    std::int64_t first;
    std::int64_t second;
    friend bool operator==(const Received&, const Received&) = default;
};

class RecordingWindow : public QWidget
{
public:
    explicit RecordingWindow(const QString& caption)
    {
        setWindowTitle(caption);
        link = new TWindowLink(this);
    }

    std::vector<Received> received;
    TWindowLink* link;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() != TWindowMessageEvent::EventType())
            return QWidget::event(event);
        const auto* message = static_cast<const TWindowMessageEvent*>(event);
        received.push_back({message->Message, message->First, message->Second});
        return true;
    }
};

// Every test has its own folder of window sockets.
class TWindowLinkTest : public testing::Test
{
protected:
    TWindowLinkTest() : runtimeDir_("XDG_RUNTIME_DIR", sockets.path().toLocal8Bit()) {}

    TestFolder sockets;

private:
    ScopedEnvironmentVariable runtimeDir_;
};

QByteArray encoded(std::uint32_t message, std::int64_t first, std::int64_t second)
{
    QByteArray bytes(20, Qt::Uninitialized);
    qToLittleEndian(message, bytes.data());
    qToLittleEndian(first, bytes.data() + 4);
    qToLittleEndian(second, bytes.data() + 12);
    return bytes;
}

} // namespace

TEST_F(TWindowLinkTest, AWindowIsFoundByExactlyItsCaption)
{
    RecordingWindow window(QStringLiteral("Peer / window: one"));
    EXPECT_TRUE(window.link->IsFindable());
    EXPECT_TRUE(FindWindowByCaption(QStringLiteral("Peer / window: one")));
    for (const QString& other : {QStringLiteral("Peer / window:"), QStringLiteral("peer / window: one"),
                                 QStringLiteral("Peer / window: one "), QString()})
        EXPECT_FALSE(FindWindowByCaption(other)) << other.toStdString();
    EXPECT_FALSE(PostWindowMessage(QStringLiteral("Peer"), 1, 2, 3));
}

TEST_F(TWindowLinkTest, PostedMessagesArriveAsEventsWithTheirFullParameters)
{
    RecordingWindow window(QStringLiteral("Receiver"));
    const std::vector<Received> sent = {{41984, 2, 0}, {0xFFFFFFFFu, -1, 0x123456789ABCDEFLL}, {7, INT64_MIN, INT64_MAX}};
    for (const Received& message : sent) {
        const std::size_t before = window.received.size();
        ASSERT_TRUE(PostWindowMessage(QStringLiteral("Receiver"), message.message, message.first, message.second));
        ASSERT_TRUE(waitUntil([&] { return window.received.size() > before; }));
    }
    EXPECT_EQ(window.received, sent);
}

TEST_F(TWindowLinkTest, AMessageArrivingInPiecesIsDeliveredOnceAndAnUnfinishedOneNever)
{
    RecordingWindow window(QStringLiteral("Receiver"));
    QLocalSocket socket;
    EXPECT_TRUE(WindowSocketName(QStringLiteral("Receiver")).startsWith(sockets.path() + QLatin1Char('/')));
    socket.connectToServer(WindowSocketName(QStringLiteral("Receiver")));
    ASSERT_TRUE(socket.waitForConnected(1000));
    const QByteArray message = encoded(5, 6, 7);
    socket.write(message.left(7));
    socket.flush();
    waitUntil([] { return false; }, 50);
    EXPECT_TRUE(window.received.empty());
    socket.write(message.mid(7) + message.left(5));
    socket.flush();
    ASSERT_TRUE(waitUntil([&] { return !window.received.empty(); }));
    socket.disconnectFromServer();
    waitUntil([] { return false; }, 50);
    EXPECT_EQ(window.received, (std::vector<Received>{{5, 6, 7}}));
}

TEST_F(TWindowLinkTest, TheLinkFollowsTheCaptionAndEndsWithTheWindow)
{
    auto window = std::make_unique<RecordingWindow>(QStringLiteral("Before"));
    window->setWindowTitle(QStringLiteral("After"));
    EXPECT_FALSE(FindWindowByCaption(QStringLiteral("Before")));
    EXPECT_TRUE(FindWindowByCaption(QStringLiteral("After")));
    window->setWindowTitle(QString());
    EXPECT_FALSE(window->link->IsFindable());
    window->setWindowTitle(QStringLiteral("After"));
    window.reset();
    EXPECT_FALSE(FindWindowByCaption(QStringLiteral("After")));
}

TEST_F(TWindowLinkTest, OfTwoWindowsWithOneCaptionTheFirstKeepsIt)
{
    RecordingWindow first(QStringLiteral("Twin"));
    RecordingWindow second(QStringLiteral("Twin"));
    EXPECT_TRUE(first.link->IsFindable());
    EXPECT_FALSE(second.link->IsFindable());
    ASSERT_TRUE(PostWindowMessage(QStringLiteral("Twin"), 1, 0, 0));
    ASSERT_TRUE(waitUntil([&] { return !first.received.empty(); }));
    EXPECT_TRUE(second.received.empty());
}

TEST_F(TWindowLinkTest, AnotherProcessIsFoundPostedToAndReplacedAfterItWasKilled)
{
    PreviewPeers peers(sockets);
    QProcess peer;
    peer.start(peers.addProgram(QStringLiteral("peer")), {QStringLiteral("/edit")});
    ASSERT_TRUE(peers.waitForLines(QStringLiteral("started"), 1));
    ASSERT_TRUE(waitUntil([] { return FindWindowByCaption(currentDemoCaption); }));
    ASSERT_TRUE(PostWindowMessage(currentDemoCaption, 41984, 2, 0));
    ASSERT_TRUE(peers.waitForLines(QStringLiteral("message"), 1));
    EXPECT_EQ(peers.lines(QStringLiteral("message")), QStringList{QStringLiteral("message 41984 2 0")});

    // Killed, it leaves its socket behind; a new window of that caption takes it over.
    peer.kill();
    ASSERT_TRUE(peer.waitForFinished(5000));
    EXPECT_FALSE(FindWindowByCaption(currentDemoCaption));
    RecordingWindow replacement(currentDemoCaption);
    EXPECT_TRUE(replacement.link->IsFindable());
    ASSERT_TRUE(PostWindowMessage(currentDemoCaption, 41984, 1, 0));
    ASSERT_TRUE(waitUntil([&] { return !replacement.received.empty(); }));
}
