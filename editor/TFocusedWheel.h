#pragma once

#include <QObject>

// Value controls on scrolling pages take the mouse wheel only while they
// have the focus; otherwise the wheel scrolls the page instead of silently
// changing (and writing) a value the pointer happens to pass over.
class TFocusedWheel : public QObject
{
public:
    // Installs the filter on the control; it lives as long as the control.
    static void Install(QWidget* control);

protected:
    // An unfocused control hands the wheel to the page that scrolls it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
