#include "application.h"
#include "zomar.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The program reads no command line: the toolkit gets the program name
    // only, so no argument can restyle the window or make it read a file.
    char fallbackName[] = "zomar";
    char *qtArgv[] = {argc > 0 && argv[0] ? argv[0] : fallbackName, nullptr};
    int qtArgc = 1;
    QApplication app(qtArgc, qtArgv);
    zomar::prepareApplication(app);
    zomar::Zomar window;
    window.show();
    return QApplication::exec();
}
