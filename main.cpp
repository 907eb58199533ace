#include "application.h"
#include "wayland.h"
#include "zomar.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

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
    const int status = QApplication::exec();
    // Workaround "wayland-exit" (docs/workarounds.md): Qt's Wayland plugin
    // can hang as it tears its connection down (its reader thread waits for
    // a read that the main thread has begun and never ends), now and then
    // on a loaded machine. Nothing is left to save: on Wayland the process
    // ends here, and the compositor drops what a closed connection held.
    if (zomar::onWayland()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
