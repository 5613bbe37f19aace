// Wires the live platform in and opens the game's first window.
#include "qt/QtShell.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Stumpcraft");
    stumpcraft::qt::QtShell shell;
    stumpcraft::Platform().shell = &shell;
    return 0;
}
