// The yardstick for start-up: a bare Qt window of Zomar's size and caption.
#include "layout.h"
#include "product.h"
#include "twips.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(zomar::productName.toString());
    window.setFixedSize(zomar::twipsToPixels(zomar::clientWidth), zomar::twipsToPixels(zomar::clientHeight));
    window.show();
    return QApplication::exec();
}
