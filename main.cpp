#include "window/zomar.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    zomar::Zomar::prepareApplication(app);
    zomar::Zomar window;
    window.show();
    return QApplication::exec();
}
