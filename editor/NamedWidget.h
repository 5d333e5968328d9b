#pragma once

#include <QString>

// Widgets carry the names the editor's handlers and tests know them by.
template <typename Widget>
Widget* Named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}
