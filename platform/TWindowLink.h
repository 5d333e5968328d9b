#pragma once

#include <QEvent>
#include <QObject>
#include <QString>

#include <cstdint>

class QLocalServer;
class QLocalSocket;
class QWidget;

// A message another program posted to a findable window: the message number
// and its two parameters. It reaches the window as a posted event.
class TWindowMessageEvent : public QEvent
{
public:
    TWindowMessageEvent(std::uint32_t message, std::int64_t first, std::int64_t second);
    static QEvent::Type EventType();

    const std::uint32_t Message;
    const std::int64_t First;
    const std::int64_t Second;
};

// Makes a top-level window findable by its caption from any process of the
// same user: the window listens on a local socket named after its caption
// (following every change of the caption) and receives what is posted there
// as TWindowMessageEvent. Windows sharing a caption: the first one found keeps
// it. The link lives as long as the window (it is the window's child).
class TWindowLink : public QObject
{
public:
    explicit TWindowLink(QWidget* window);

    bool IsFindable() const;

private:
    void Listen(const QString& caption);
    void AcceptConnections();
    void ReadMessages(QLocalSocket* socket);

    QWidget* window_;
    QLocalServer* server_;
};

// The local socket a window of this caption listens on.
QString WindowSocketName(const QString& caption);
// Whether a window with exactly this caption is findable now.
bool FindWindowByCaption(const QString& caption);
// Posts the message to the window with exactly this caption without waiting
// for it to be handled; false when there is no such window.
bool PostWindowMessage(const QString& caption, std::uint32_t message, std::int64_t first, std::int64_t second);
