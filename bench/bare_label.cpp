// A second yardstick for start-up: the bare window with one line of text,
// which is what it costs Qt to bring up its font system at all.
#include "layout.h"
#include "product.h"
#include "twips.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(zomar::productName.toString());
    window.setFixedSize(zomar::twipsToPixels(zomar::clientWidth), zomar::twipsToPixels(zomar::clientHeight));
    auto *label = new QLabel(QStringLiteral("Сопротивление"), &window);
    label->move(10, 10);
    window.show();
    return QApplication::exec();
}
