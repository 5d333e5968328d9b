// The preview program's side of the live preview link, for tests: a window
// findable by its caption that writes every message it receives to a log and
// closes on the close request.
//
//   PreviewPeer --log FILE [--caption TEXT] [other arguments...]
//
// Log lines: "started PID ARGUMENTS" (the other arguments, space-separated),
// "message NUMBER FIRST SECOND" per message, "closed" when it closes on
// request. It ends by itself after a minute, so no test leaves it behind.

#include "editor/DemoLink.h"
#include "platform/TWindowLink.h"

#include <QApplication>
#include <QFile>
#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int lifetimeMs = 60000;

class PeerWindow : public QWidget
{
public:
    explicit PeerWindow(QString logFile) : logFile_(std::move(logFile)) {}

    void Log(const QString& line) const
    {
        QFile log(logFile_);
        if (log.open(QIODevice::WriteOnly | QIODevice::Append))
            log.write(line.toUtf8() + '\n');
    }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() != TWindowMessageEvent::EventType())
            return QWidget::event(event);
        const auto* message = static_cast<const TWindowMessageEvent*>(event);
        Log(QStringLiteral("message %1 %2 %3").arg(message->Message).arg(message->First).arg(message->Second));
        if (message->Message == PreviewMessage && message->First == PreviewCloseRequest) {
            Log(QStringLiteral("closed"));
            close();
        }
        return true;
    }

private:
    QString logFile_;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QString logFile;
    QString caption = QStringLiteral("Orvalen preview v6.22");
    QStringList others;
    const QStringList arguments = app.arguments().mid(1);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QStringLiteral("--log") && i + 1 < arguments.size())
            logFile = arguments[++i];
        else if (arguments[i] == QStringLiteral("--caption") && i + 1 < arguments.size())
            caption = arguments[++i];
        else
            others.append(arguments[i]);
    }
    if (logFile.isEmpty())
        return 2;

    PeerWindow window(logFile);
    window.setWindowTitle(caption);
    new TWindowLink(&window);
    window.show();
    window.Log(QStringLiteral("started %1 %2").arg(QCoreApplication::applicationPid()).arg(others.join(QLatin1Char(' '))));
    QTimer::singleShot(lifetimeMs, &app, &QCoreApplication::quit);
    return app.exec();
}
