// The yardstick for start-up: a bare Qt window of Zomar's size and caption.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Zomar........!"));
    window.setFixedSize(441, 406);
    window.show();
    return QApplication::exec();
}
