// bare_window: the least a Qt Widgets program does to show a window, as the yardstick for the
// game's start (tools/measure-start): an application, one empty window of the main menu's
// size, and the event loop.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.resize(960, 560);
    window.show();
    return app.exec();
}
