// The reference for the desktop program's start-up: a bare QMainWindow with
// a title, shown at once.

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare main window"));
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
