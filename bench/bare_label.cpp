// A second yardstick for start-up: the bare window with one line of text,
// which is what it costs Qt to bring up its font system at all.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Zomar........!"));
    window.setFixedSize(441, 406);
    auto *label = new QLabel(QStringLiteral("Сопротивление"), &window);
    label->move(10, 10);
    window.show();
    return QApplication::exec();
}
