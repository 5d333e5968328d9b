#pragma once

class QWidget;

// The widget to lay a page's controls out on: it fills the page and scrolls
// when the window is too small to show every control at its size.
QWidget* ScrollingContent(QWidget* page);
