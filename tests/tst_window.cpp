// The window as it opens: its controls, their places and looks, the first
// evaluation, tab order and exit. Numbers are the layout's twips.
#include "testkit.h"

#include "colourlabel.h"
#include "groupframe.h"
#include "optionbutton.h"
#include "rectshape.h"
#include "product.h"
#include "twips.h"

#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <QWindow>

#include <cmath>

using namespace zomar;
using namespace zomar::test;

namespace {

QStringList layoutNames()
{
    QStringList names = {"Ed_Izm",  "Result4", "Result3", "Result2",     "Result",  "Frame1",  "L5_En",
                         "L4_En",   "L3_En",   "Label1",  "Exit_Btn",    "Frame2",  "Op_G",    "Op_C",
                         "Op_R",    "Label23", "R_Full",  "Result4_Txt", "Label16", "Label22", "Label17",
                         "Label15", "Label14", "Label21", "Lab_5",       "Lab_4",   "Label20", "Label19",
                         "Label18", "Shape3",  "Shape1",  "Shape2_0",    "Shape2_1"};
    for (int i = 2; i <= 13; ++i)
        names << QStringLiteral("Label%1").arg(i);
    for (int band = 1; band <= 5; ++band) {
        names << QStringLiteral("Line%1").arg(band);
        for (int colour = 0; colour < (band <= 2 ? 10 : 12); ++colour)
            names << QStringLiteral("L%1_%2").arg(band).arg(colour);
    }
    return names;
}

// A control's font size in logical pixels.
qreal pixelSize(const QWidget *w)
{
    return w->font().pointSizeF() * w->logicalDpiY() / 72;
}

// The colour painted at a point given in twips, at any screen scale.
QColor pixel(const QImage &image, int xTwips, int yTwips)
{
    const qreal scale = image.devicePixelRatio();
    return image.pixelColor(qFloor(twipsToPixels(xTwips) * scale), qFloor(twipsToPixels(yTwips) * scale));
}

} // namespace

class TestWindow : public WindowTest
{
    Q_OBJECT

private slots:
    void controlsAndKinds();
    void geometry_data();
    void geometry();
    void paletteGrid();
    void stacking();
    void stateAtStart();
    void paintedPixels();
    void sharpAtAnyScale();
    void looks();
    void captionsFit();
    void textBoxesAreReadOnly();
    void tabOrder();
    void applicationIdentity();
    void exitEndsTheEventLoop_data();
    void exitEndsTheEventLoop();
    void keyboardFocusIsVisible_data();
    void keyboardFocusIsVisible();
    void closingTheFrameEndsTheEventLoop();
};

void TestWindow::controlsAndKinds()
{
    const QStringList names = layoutNames();
    QCOMPARE(names.size(), 106);
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 106);

    int labels = 0, boxes = 0, options = 0, shapes = 0, frames = 0, buttons = 0;
    const QList<QWidget *> children = m_window->findChildren<QWidget *>();
    QSet<QString> seen;
    for (QWidget *w : children) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QVERIFY2(!seen.contains(w->objectName()), qPrintable(w->objectName()));
        seen.insert(w->objectName());
        if (qobject_cast<OptionButton *>(w))
            ++options;
        else if (qobject_cast<QLabel *>(w) || qobject_cast<ColourSwatch *>(w))
            ++labels; // a swatch is a label that can be pressed
        else if (qobject_cast<QLineEdit *>(w))
            ++boxes;
        else if (qobject_cast<RectShape *>(w))
            ++shapes;
        else if (qobject_cast<QPushButton *>(w))
            ++buttons;
        else if (qobject_cast<GroupFrame *>(w))
            ++frames;
    }
    QCOMPARE(seen, QSet<QString>(names.begin(), names.end()));
    QCOMPARE(labels, 87);
    QCOMPARE(boxes, 6);
    QCOMPARE(options, 6);
    QCOMPARE(shapes, 4);
    QCOMPARE(frames, 2);
    QCOMPARE(buttons, 1);
    for (int band = 1; band <= 5; ++band)
        QVERIFY(qobject_cast<ColourLabel *>(get(QStringLiteral("Line%1").arg(band))));

    // Option groups are the frames.
    for (const char *name : {"Op_R", "Op_C", "Op_G", "Label23"})
        QCOMPARE(get(name)->parentWidget(), get("Frame2"));
    for (const char *name : {"L3_En", "L4_En", "L5_En", "Label1"})
        QCOMPARE(get(name)->parentWidget(), get("Frame1"));
}

void TestWindow::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");     // relative to the container
    QTest::addColumn<QString>("caption"); // of a label or a button

    const auto row = [](const char *name, int l, int t, int w, int h, const char *caption = "") {
        QTest::newRow(name) << QString::fromLatin1(name) << QRect(l, t, w, h) << QString::fromUtf8(caption);
    };
    row("Frame2", 120, 0, 2655, 1575);
    row("Label23", 120, 150, 1215, 255, "Элемент");
    row("Op_R", 360, 480, 2175, 255, "Сопротивление");
    row("Op_C", 360, 840, 2175, 255, "Емкость");
    row("Op_G", 360, 1200, 2175, 255, "Индуктивность");
    row("Frame1", 120, 1560, 2655, 855);
    row("Label1", 120, 150, 2415, 255, "Кол-во полос");
    row("L3_En", 120, 480, 495, 255, "3");
    row("L4_En", 975, 480, 495, 255, "4");
    row("L5_En", 1800, 480, 495, 255, "5");
    row("Label14", 240, 2520, 975, 255, "Номинал");
    row("Label15", 1440, 2520, 1215, 255, "Множитель");
    row("Result", 240, 2715, 570, 270);
    row("Ed_Izm", 840, 2715, 405, 270);
    row("Label17", 1260, 2775, 165, 225, "x");
    row("Result2", 1440, 2730, 1215, 270);
    row("Label22", 216, 3108, 2436, 240, "то есть");
    row("R_Full", 240, 3315, 2415, 285);
    row("Label16", 225, 3825, 1575, 255, "Допуск + -");
    row("Result3", 225, 4035, 1575, 285);
    row("Result4_Txt", 225, 4425, 1575, 255, "Напряж.");
    row("Result4", 225, 4635, 1575, 285);
    row("Exit_Btn", 120, 5640, 735, 375, "Exit");
    row("Label18", 3360, 240, 255, 255, "1");
    row("Label19", 3840, 240, 255, 255, "2");
    row("Label20", 4320, 240, 255, 255, "3");
    row("Lab_4", 4800, 240, 255, 255, "4");
    row("Lab_5", 5280, 240, 255, 255, "5");
    row("Label21", 5640, 240, 735, 255, "№ полос");
    row("Line1", 3360, 600, 255, 975);
    row("Line2", 3840, 600, 255, 975);
    row("Line3", 4320, 615, 255, 975);
    row("Line4", 4800, 600, 255, 975);
    row("Line5", 5265, 600, 255, 975);
    row("Shape1", 3240, 720, 2655, 735);
    row("Shape2_1", 3000, 1005, 375, 135);
    row("Shape2_0", 5640, 1005, 615, 135);
    row("Shape3", 2880, 120, 3615, 5895);
}

// Every control's place and size, and every caption but the colour names
// (which paletteGrid checks with their rows).
void TestWindow::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, caption);
    const QWidget *w = get(name);
    QCOMPARE(w->geometry(), twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    if (const auto *label = qobject_cast<const QLabel *>(w))
        QCOMPARE(label->text(), caption);
    if (const auto *button = qobject_cast<const QAbstractButton *>(w))
        QCOMPARE(button->text(), caption);
    QCOMPARE(m_window->size(), QSize(441, 406)); // 6612 x 6096 twips
}

void TestWindow::paletteGrid()
{
    // Row tops and colours, white at the top; gold and silver below black.
    const int rowTop[12] = {4920, 4560, 4200, 3840, 3480, 3120, 2760, 2400, 2040, 1680, 5280, 5640};
    const char *names[12] = {"Черный",  "Коричнев.", "Красный", "Оранжев.", "Желтый",  "Зеленый",
                             "Голубой", "Фиолет.",   "Серый",   "Белый",    "Золотой", "Серебр."};
    for (int band = 1; band <= 5; ++band) {
        for (int j = 0; j < 12; ++j) {
            const QString name = QStringLiteral("L%1_%2").arg(band).arg(j);
            auto *swatch = m_window->findChild<ColourSwatch *>(name);
            QCOMPARE(swatch != nullptr, band > 2 || j < 10);
            if (!swatch)
                continue;
            int left = 3360 + 480 * (band - 1);
            int top = rowTop[j];
            if (name == QLatin1String("L1_2"))
                top = 4215;
            if (name == QLatin1String("L2_7"))
                left = 3870;
            if (name == QLatin1String("L3_10"))
                left = 4305;
            QCOMPARE(swatch->geometry(), twipsRect(left, top, 255, 255));
            QCOMPARE(swatch->backColour(), bandColours[j]);
        }
    }
    // The colour names stand on the rows.
    const char *nameLabels[12] = {"Label11", "Label10", "Label9", "Label8", "Label7",  "Label6",
                                  "Label5",  "Label4",  "Label3", "Label2", "Label12", "Label13"};
    for (int j = 0; j < 12; ++j) {
        auto *label = get<QLabel>(nameLabels[j]);
        QCOMPARE(label->text(), QString::fromUtf8(names[j]));
        QCOMPARE(label->geometry(), twipsRect(5640, rowTop[j], 855, 255));
    }
}

void TestWindow::stacking()
{
    // What a click or the eye meets where controls overlap.
    const auto at = [this](int x, int y) {
        QWidget *w = m_window->childAt(twipsToPixels(x), twipsToPixels(y));
        return w ? w->objectName() : QString();
    };
    QCOMPARE(at(3450, 1000), QStringLiteral("Line1")); // the stripe over the body
    QCOMPARE(at(4400, 1560), QStringLiteral("Line3")); // below the body, over nothing
    // Label15 reaches under Result2: the text box is in front.
    QCOMPARE(at(1800, 2750), QStringLiteral("Result2"));
    QCOMPARE(at(400, 2750), QStringLiteral("Result"));

    const QImage image = m_window->grab().toImage();
    QCOMPARE(pixel(image, 3450, 1000), QColor(255, 255, 255)); // stripe over body
    QCOMPARE(pixel(image, 3300, 1070), QColor(128, 128, 0));   // body over the left lead
    QCOMPARE(pixel(image, 5850, 1070), QColor(128, 128, 0));   // body over the right lead
    QCOMPARE(pixel(image, 3100, 1070), QColor(128, 128, 128)); // lead outside the body
    QCOMPARE(pixel(image, 6100, 1070), QColor(128, 128, 128));
    QCOMPARE(pixel(image, 2000, 2760), QColor(192, 192, 192)); // Result2 over Label15
}

void TestWindow::stateAtStart()
{
    QVERIFY(get<OptionButton>("Op_R")->isChecked());
    QVERIFY(!get<OptionButton>("Op_C")->isChecked());
    QVERIFY(!get<OptionButton>("Op_G")->isChecked());
    QVERIFY(get<OptionButton>("L5_En")->isChecked());
    QVERIFY(!get<OptionButton>("L3_En")->isChecked());
    QVERIFY(!get<OptionButton>("L4_En")->isChecked());

    const QStringList hidden = {"L3_10", "L3_11", "Result4_Txt", "Result4"};
    for (const QString &name : layoutNames())
        QVERIFY2(get(name)->isVisible() != hidden.contains(name), qPrintable(name));

    QCOMPARE(get<QLineEdit>("Result")->text(), QStringLiteral("999"));
    QCOMPARE(get<QLineEdit>("Result2")->text(), QStringLiteral("1000000000"));
    QCOMPARE(get<QLineEdit>("Result3")->text(), QStringLiteral("+80% -20% (Z)"));
    QCOMPARE(get<QLineEdit>("R_Full")->text(), QStringLiteral("999000 МОм"));
    QCOMPARE(get<QLineEdit>("Ed_Izm")->text(), QStringLiteral("Ом"));
    QCOMPARE(get<QLineEdit>("Result4")->text(), QString());
    QCOMPARE(m_window->evaluationCount(), 1);
    for (int band = 1; band <= 5; ++band) {
        QCOMPARE(m_window->bandIndex(band), 9);
        QCOMPARE(get<ColourLabel>(QStringLiteral("Line%1").arg(band))->backColour(), QColor(Qt::white));
    }
}

void TestWindow::paintedPixels()
{
    const QImage image = m_window->grab().toImage();
    const QColor white(255, 255, 255), olive(128, 128, 0), teal(0, 64, 64);
    // Five white stripes, above, across and below the body.
    for (int left : {3360, 3840, 4320, 4800, 5265}) {
        QCOMPARE(pixel(image, left + 127, 660), white);
        QCOMPARE(pixel(image, left + 127, 1100), white);
        QCOMPARE(pixel(image, left + 127, 1520), white);
        QCOMPARE(pixel(image, left, 1100), QColor(0, 0, 0)); // the stripe's border
    }
    QCOMPARE(pixel(image, 3720, 1100), olive);               // body between stripes 1 and 2
    QCOMPARE(pixel(image, 3240, 1100), QColor(192, 192, 0)); // the body's outline
    QCOMPARE(pixel(image, 2880, 3000), QColor(0, 128, 0));   // the green outline
    QCOMPARE(pixel(image, 4000, 6000), QColor(0, 128, 0));
    QCOMPARE(pixel(image, 1500, 5700), teal);
    QCOMPARE(pixel(image, 3720, 5000), teal);  // inside the outline, between swatches
    QCOMPARE(pixel(image, 3480, 1800), white); // white swatch of band 1
    QCOMPARE(pixel(image, 3480, 5040), QColor(0, 0, 0));
    QCOMPARE(pixel(image, 4920, 5400), QColor(255, 192, 128)); // gold of band 4
    QCOMPARE(pixel(image, 4440, 5400), teal);                  // band 3's gold is hidden
    QCOMPARE(pixel(image, 1200, 1935), QColor(64, 64, 64));    // Label1 on dark grey
}

void TestWindow::sharpAtAnyScale()
{
    // The stripe's one-pixel border covers whole device pixels and the
    // colours meet without a blended pixel, at 1x and on high-dpi screens.
    const QImage image = m_window->grab().toImage();
    const int scale = qRound(image.devicePixelRatio());
    QCOMPARE(image.width(), 441 * scale);
    const int left = twipsToPixels(3360) * scale; // Line1
    const int y = twipsToPixels(1500) * scale;    // below the body
    for (int x = left - scale; x < left + 2 * scale + 1; ++x) {
        const QColor expected = x < left ? QColor(0, 64, 64)
            : x < left + scale           ? QColor(0, 0, 0)
                                         : QColor(255, 255, 255);
        QCOMPARE(image.pixelColor(x, y), expected);
    }
}

void TestWindow::looks()
{
    // The layout's colours, whatever the desktop's theme says.
    const auto colourOf = [this](const char *name, QPalette::ColorRole role) {
        return get(name)->palette().color(role);
    };
    for (const char *box : {"Result", "Result2", "Result3", "Result4", "R_Full", "Ed_Izm"}) {
        QCOMPARE(colourOf(box, QPalette::Base), QColor(192, 192, 192));
        QCOMPARE(colourOf(box, QPalette::Text), QColor(0, 0, 0));
        QVERIFY(get(box)->font().bold());
        QCOMPARE(pixelSize(get(box)), 12.0); // 9 pt at 96 dpi, whatever the desktop's dpi
    }
    for (const char *label : {"Label23", "Op_R", "L3_En", "Label14", "Label22", "Label18"}) {
        QCOMPARE(colourOf(label, QPalette::WindowText), QColor(255, 255, 0));
        QVERIFY(get(label)->font().bold());
        QCOMPARE(pixelSize(get(label)), 10.4); // 7.8 pt
    }
    for (const char *label : {"Label21", "Label10"}) {
        QCOMPARE(colourOf(label, QPalette::WindowText), QColor(255, 255, 0));
        QVERIFY(!get(label)->font().bold());
    }
    QCOMPARE(colourOf("Label1", QPalette::Window), QColor(64, 64, 64));
    QCOMPARE(get<QLabel>("Label17")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(get<QLabel>("Label14")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Zomar........!"));
    // The stand-ins for the Windows faces carry Cyrillic.
    for (const char *name : {"Label23", "Result", "Label21"}) {
        const QFontInfo info(get(name)->font());
        QVERIFY2(info.family() == QLatin1String("Liberation Sans") || info.family() == QLatin1String("MS Sans Serif")
                     || info.family() == QLatin1String("Arial") || info.family() == QLatin1String("DejaVu Sans"),
                 qPrintable(info.family()));
    }
}

void TestWindow::captionsFit()
{
    // Every caption fits its control on one line, at the window's fonts,
    // once shown: the capacitor's voltage caption too.
    get<OptionButton>("Op_C")->setChecked(true);
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTest::qWait(50);
    for (QLabel *label : m_window->findChildren<QLabel *>()) {
        if (label->text().isEmpty())
            continue;
        const QFontMetrics fm(label->font());
        QVERIFY2(fm.horizontalAdvance(label->text()) <= label->contentsRect().width(),
                 qPrintable(label->objectName() + QLatin1String(": ") + label->text()));
        QVERIFY2(fm.height() <= label->contentsRect().height() + 2, qPrintable(label->objectName()));
    }
    for (OptionButton *button : m_window->findChildren<OptionButton *>()) {
        const QFontMetrics fm(button->font());
        QVERIFY2(fm.horizontalAdvance(button->text()) <= button->captionRoom(), qPrintable(button->text()));
    }
    // The widest result text, in its box.
    auto *full = get<QLineEdit>("R_Full");
    QVERIFY(QFontMetrics(full->font()).horizontalAdvance(full->text()) < full->width() - 8);
}

void TestWindow::textBoxesAreReadOnly()
{
    auto *box = get<QLineEdit>("R_Full");
    QVERIFY(box->isReadOnly());
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("123"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QStringLiteral("999000 МОм"));
    // The text can be selected for copying.
    box->selectAll();
    QCOMPARE(box->selectedText(), QStringLiteral("999000 МОм"));
}

void TestWindow::tabOrder()
{
    const QStringList expected = {"Op_R",   "Op_C",    "Op_G",   "L3_En",   "L4_En",   "L5_En",   "Result",
                                  "Ed_Izm", "Result2", "R_Full", "Result3", "Result4", "Exit_Btn"};
    QStringList chain;
    QWidget *w = get("Op_R");
    do {
        // Qt keeps Tab focus on the selected button of an option group only,
        // so the chain is read by the widgets that take focus at all.
        if (w->focusPolicy() != Qt::NoFocus)
            chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != get("Op_R"));
    QCOMPARE(chain.join(QLatin1Char(' ')), expected.join(QLatin1Char(' ')));
    // Labels, frames and shapes never take the focus.
    for (const char *name : {"L1_0", "Line1", "Label1", "Frame1", "Shape1", "Shape3"})
        QCOMPARE(get(name)->focusPolicy(), Qt::NoFocus);
}

void TestWindow::applicationIdentity()
{
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Zomar"));
    QCOMPARE(QApplication::applicationVersion(), QLatin1StringView(version));
    const QIcon icon = QApplication::windowIcon();
    // One image of 16 and one of 32 pixels, 16 colours at most each.
    QCOMPARE(icon.availableSizes().size(), 2);
    for (int size : {16, 32}) {
        const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        QSet<QRgb> colours;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                if (qAlpha(image.pixel(x, y)) != 0)
                    colours.insert(image.pixel(x, y));
            }
        }
        QVERIFY2(colours.size() <= 16, qPrintable(QString::number(colours.size())));
        // The picture of packaging/, pixel for pixel.
        const QImage xpm(QStringLiteral(ZOMAR_PACKAGING_DIR "/icon-%1.xpm").arg(size));
        QCOMPARE(image, xpm.convertToFormat(image.format()));
    }
    QCOMPARE(m_window->windowIcon().cacheKey(), icon.cacheKey());
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
}

// The event loop's exit status once the action has run; 7 if it is still
// running five seconds later.
template<typename Action>
int exitStatusAfter(QObject *context, Action action)
{
    QTimer::singleShot(0, context, action);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QApplication::exit(7); });
    watchdog.start(5000);
    return QApplication::exec();
}

void TestWindow::exitEndsTheEventLoop_data()
{
    QTest::addColumn<int>("key"); // 0: a mouse click
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("click") << 0 << Qt::KeyboardModifiers();
    QTest::newRow("space") << int(Qt::Key_Space) << Qt::KeyboardModifiers();
    QTest::newRow("return") << int(Qt::Key_Return) << Qt::KeyboardModifiers();
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier);
}

void TestWindow::exitEndsTheEventLoop()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QWidget *exit = get("Exit_Btn");
    exit->setFocus(Qt::TabFocusReason);
    QCOMPARE(exitStatusAfter(this,
                             [&] {
                                 if (key)
                                     QTest::keyClick(exit, Qt::Key(key), modifiers);
                                 else
                                     QTest::mouseClick(exit, Qt::LeftButton);
                             }),
             0);
    QVERIFY(!m_window->isVisible());
}

// Where the keyboard focus is shows plainly: the focused control gains an
// outline of at least 3:1 contrast against what it is drawn over.
void TestWindow::keyboardFocusIsVisible_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("previous"); // the stop before it
    for (const auto &[name, previous] : {std::pair("Op_R", "Exit_Btn"), {"L5_En", "Op_R"}, {"Exit_Btn", "Result3"}})
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(previous);
}

void TestWindow::keyboardFocusIsVisible()
{
    QFETCH(QString, name);
    QFETCH(QString, previous);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QWidget *w = get(name);
    const auto luminance = [](QColor c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    get(previous)->setFocus();
    const QImage before = w->grab().toImage();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w);
    const QImage after = w->grab().toImage();
    int plain = 0;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            const double a = luminance(before.pixelColor(x, y)), b = luminance(after.pixelColor(x, y));
            if ((std::max(a, b) + 0.05) / (std::min(a, b) + 0.05) >= 3)
                ++plain;
        }
    }
    // At least an outline around the caption (or the button's face).
    QVERIFY2(plain >= 2 * 16 + 2 * 10, qPrintable(QStringLiteral("%1 pixels of 3:1").arg(plain)));
}

void TestWindow::closingTheFrameEndsTheEventLoop()
{
    // The window manager's close request, as the frame's close button sends it.
    QCOMPARE(exitStatusAfter(this, [this] { m_window->windowHandle()->close(); }), 0);
    QVERIFY(!m_window->isVisible());
}

ZOMAR_WINDOW_TEST_MAIN(TestWindow)
#include "tst_window.moc"
