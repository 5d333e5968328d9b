#include "editor/Unit1.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vespira editor"));
    TMainForm mainForm;
    mainForm.show();
    return app.exec();
}
