#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Drives a modal window from inside its own event loop: once a visible window
// of type Window appears, the script runs on it (and ends the loop by
// clicking a closing button; a window still open afterwards is closed).
// Create it before the call that opens the window.
template <typename Window>
class WhenShown
{
public:
    explicit WhenShown(std::function<void(Window&)> script) : script_(std::move(script))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(0);
    }

    bool ran() const { return ran_; }

private:
    void poll()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            Window* window = dynamic_cast<Window*>(widget);
            if (window && window->isVisible()) {
                timer_.stop();
                ran_ = true;
                script_(*window);
                // A script that stopped early (a failed assertion) must not
                // leave the test waiting on the window.
                if (window->isVisible())
                    window->close();
                return;
            }
        }
    }

    std::function<void(Window&)> script_;
    QTimer timer_;
    bool ran_ = false;
};
