#include "editor/ScrollingPage.h"

#include <QScrollArea>
#include <QVBoxLayout>

QWidget* ScrollingContent(QWidget* page)
{
    QScrollArea* scroller = new QScrollArea;
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    QWidget* content = new QWidget;
    scroller->setWidget(content);
    // A page that already has a layout keeps it and gets the scroller added.
    QLayout* layout = page->layout();
    if (!layout)
        layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroller);
    return content;
}
