// The floor for the real process's start-up: a Qt Widgets program that shows an empty main
// window of the same size under the same title pattern, and nothing else.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal Qt window"));
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
