#include "platform/TWindowLink.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>
#include <QtEndian>

namespace {

// Message number, first and second parameter, little-endian.
constexpr qsizetype messageSize = 4 + 8 + 8;
constexpr int connectTimeoutMs = 1000;

// The user's runtime folder when there is one (private to the user, cleared at
// log-out), else the temporary folder.
QString SocketFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo(runtime).isDir() ? runtime : QDir::tempPath();
}

bool Connect(QLocalSocket& socket, const QString& caption)
{
    socket.connectToServer(WindowSocketName(caption));
    return socket.waitForConnected(connectTimeoutMs);
}

QByteArray EncodeMessage(std::uint32_t message, std::int64_t first, std::int64_t second)
{
    QByteArray bytes(messageSize, Qt::Uninitialized);
    qToLittleEndian(message, bytes.data());
    qToLittleEndian(first, bytes.data() + 4);
    qToLittleEndian(second, bytes.data() + 12);
    return bytes;
}

TWindowMessageEvent* DecodeMessage(const QByteArray& bytes)
{
    return new TWindowMessageEvent(qFromLittleEndian<std::uint32_t>(bytes.constData()),
                                   qFromLittleEndian<std::int64_t>(bytes.constData() + 4),
                                   qFromLittleEndian<std::int64_t>(bytes.constData() + 12));
}

} // namespace

TWindowMessageEvent::TWindowMessageEvent(std::uint32_t message, std::int64_t first, std::int64_t second)
    : QEvent(EventType()), Message(message), First(first), Second(second)
{
}

QEvent::Type TWindowMessageEvent::EventType()
{
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

TWindowLink::TWindowLink(QWidget* window) : QObject(window), window_(window), server_(new QLocalServer(this))
{
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, [this] { AcceptConnections(); });
    connect(window, &QWidget::windowTitleChanged, this, [this](const QString& caption) { Listen(caption); });
    Listen(window->windowTitle());
}

bool TWindowLink::IsFindable() const { return server_->isListening(); }

void TWindowLink::Listen(const QString& caption)
{
    server_->close();
    if (caption.isEmpty() || FindWindowByCaption(caption))
        return;
    // Nobody answers there: what is left is the socket of a program that
    // ended without closing it.
    const QString name = WindowSocketName(caption);
    QLocalServer::removeServer(name);
    server_->listen(name);
}

void TWindowLink::AcceptConnections()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadMessages(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        ReadMessages(socket);
    }
}

void TWindowLink::ReadMessages(QLocalSocket* socket)
{
    // A message may arrive in pieces; an incomplete rest waits for more.
    while (socket->bytesAvailable() >= messageSize)
        QCoreApplication::postEvent(window_, DecodeMessage(socket->read(messageSize)));
}

// A caption may hold any character and be of any length; its hash makes a
// file name that always fits a socket path.
QString WindowSocketName(const QString& caption)
{
    const QByteArray hash = QCryptographicHash::hash(caption.toUtf8(), QCryptographicHash::Sha1).toHex();
    return SocketFolder() + QStringLiteral("/vespira-window-") + QString::fromLatin1(hash);
}

bool FindWindowByCaption(const QString& caption)
{
    QLocalSocket socket;
    return !caption.isEmpty() && Connect(socket, caption);
}

bool PostWindowMessage(const QString& caption, std::uint32_t message, std::int64_t first, std::int64_t second)
{
    QLocalSocket socket;
    if (caption.isEmpty() || !Connect(socket, caption))
        return false;
    socket.write(EncodeMessage(message, first, second));
    socket.disconnectFromServer(); // writes what is pending first
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(connectTimeoutMs);
    return true;
}
