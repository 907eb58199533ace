// What the window tests share: the application as the program prepares it,
// a window opened before each test function, its controls found by layout
// name, clicks where they stand on screen, and the expected colours.
#pragma once

#include "application.h"
#include "zomar.h"

#include <QAnyStringView>
#include <QApplication>
#include <QColor>
#include <QHash>
#include <QLocale>
#include <QTest>

#include <array>
#include <memory>

namespace zomar::test {

inline const QLocale russian(QLocale::Russian, QLocale::Russia);

// The twelve band colours, by colour index, as the layout paints them.
inline const std::array<QColor, 12> bandColours{{{0, 0, 0},
                                                 {128, 64, 64},
                                                 {255, 0, 0},
                                                 {255, 128, 0},
                                                 {255, 255, 0},
                                                 {0, 192, 0},
                                                 {0, 192, 192},
                                                 {255, 0, 255},
                                                 {128, 128, 128},
                                                 {255, 255, 255},
                                                 {255, 192, 128},
                                                 {192, 192, 192}}};

// The base of a window test: before each test function a window in the
// Russian locale is shown and exposed, and closed after it.
class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { open(); }
    void cleanup() { m_window.reset(); }

protected:
    // A new window for the rest of the test function.
    void open(NumberText numbers = NumberText(russian));

    // The control of that name; the test program stops when there is none.
    template<typename T = QWidget>
    T *get(QAnyStringView name) const
    {
        T *control = qobject_cast<T *>(m_controls.value(name.toString()));
        if (!control)
            qFatal("no control %s of that kind", qPrintable(name.toString()));
        return control;
    }
    // A left click at a point of a control (its centre by default),
    // delivered to the window there, as a user clicks.
    void click(QAnyStringView name, QPoint at = QPoint(-1, -1)) const;
    QString text(QAnyStringView name) const; // a result field's text
    bool shown(QAnyStringView name) const { return get(name)->isVisible(); }

    std::unique_ptr<Zomar> m_window;

private:
    QHash<QString, QWidget *> m_controls;
};

// The application as the program prepares it, then the tests of a TestObject.
template<typename TestObject>
int runWindowTest(int argc, char **argv)
{
    QApplication app(argc, argv);
    prepareApplication(app);
    TestObject test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace zomar::test

#define ZOMAR_WINDOW_TEST_MAIN(TestObject)                         \
    int main(int argc, char *argv[])                               \
    {                                                              \
        return zomar::test::runWindowTest<TestObject>(argc, argv); \
    }
