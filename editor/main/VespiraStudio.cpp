#include "controls/sSkinBroadcast.h"
#include "editor/Unit1.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vespira editor"));
    InstallSkinBroadcast();
    TMainForm mainForm;
    mainForm.show();
    return app.exec();
}
