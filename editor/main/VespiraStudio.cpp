#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vespira editor"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Vespira Editor v6.22"));
    window.show();
    return app.exec();
}
