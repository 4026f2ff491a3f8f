// The reference for the desktop program's start-up: a bare QMainWindow with
// a title, shown at once. With --menu it also has a menu bar with one menu,
// so that, like any window that shows text, it sets up the fonts before it
// is mapped; the bare window draws no text until after it is mapped.
//   castovin-bare-window [--menu]

#include <cstring>

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare main window"));
    if (argc > 1 && std::strcmp(argv[1], "--menu") == 0)
        window.menuBar()->addMenu(QStringLiteral("&File"));
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
