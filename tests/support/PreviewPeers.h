#pragma once

#include "support/TestFiles.h"

#include <QString>
#include <QStringList>

#include <functional>

// The caption a preview program of this engine version shows.
inline const QString currentDemoCaption = QStringLiteral("Orvalen preview v6.22");

// Preview programs for tests: scripts that start the test peer
// (tests/peers/PreviewPeer) as a real second process, all writing to one log
// in the folder. Peers still running when this ends are ended (each peer also
// ends by itself after a minute).
class PreviewPeers
{
public:
    explicit PreviewPeers(const TestFolder& folder);
    ~PreviewPeers();
    PreviewPeers(const PreviewPeers&) = delete;
    PreviewPeers& operator=(const PreviewPeers&) = delete;

    // An executable below the folder that runs a peer showing this caption
    // with the arguments it is given, after a delay (a slow start); its full path.
    QString addProgram(const QString& relative, const QString& caption = currentDemoCaption, int delayMs = 0) const;

    QStringList log() const;
    // Log lines that begin with the prefix ("started", "message", "closed").
    QStringList lines(const QString& prefix) const;
    // Waits (events keep running) until that many such lines are there.
    bool waitForLines(const QString& prefix, int count) const;

private:
    const TestFolder& folder_;
    QString logFile_;
};

// Waits until the condition holds, letting events run; false on time-out.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 10000);
