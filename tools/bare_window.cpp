// bare_window: the least a Qt Widgets program does to show a window, as the yardstick for the
// game's start (tools/measure-start): an application, one empty window of the main menu's
// size, and the event loop. With --text the window shows one line of text, which is what
// sets up the fonts (the empty window never does).
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.resize(960, 560);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0)
        (new QLabel(QStringLiteral("What do you want to play?"), &window))->adjustSize();
    window.show();
    return app.exec();
}
