// The toolkit layer: number text, twips, and the small controls.
#include "accessibility.h"
#include "colourlabel.h"
#include "numbertext.h"
#include "optionbutton.h"
#include "rectshape.h"
#include "resultbox.h"
#include "twips.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTest>

using namespace zomar;

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installAccessibility(); }
    void numberToText_data();
    void numberToText();
    void textToNumber();
    void twips();
    void colourLabelKeepsItsColour();
    void swatchClicks();
    void optionButtonAnywhere();
    void optionGroupKeyboard();
    void rectShapePaints();
    void resultBoxCondensesWideText();
    void resultBoxForReaders();
};

void TestPlatform::numberToText_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    const QLocale ru(QLocale::Russian, QLocale::Russia);
    QTest::newRow("ru 4.7") << ru << 47 * 0.1 << "4,7";
    QTest::newRow("ru 0.47") << ru << 47 * 0.01 << "0,47";
    QTest::newRow("ru 0.01") << ru << 0.01 << "0,01";
    QTest::newRow("ru 1e9") << ru << 1e9 << "1000000000";
    QTest::newRow("ru 999e9") << ru << 999e9 << "999000000000";
    QTest::newRow("ru 0") << ru << 0.0 << "0";
    QTest::newRow("ru 15 digits") << ru << 123456.789012345678 << "123456.789012346";
    QTest::newRow("C 4.7") << QLocale::c() << 47 * 0.1 << "4.7";
    QTest::newRow("de grouping omitted") << QLocale(QLocale::German) << 1234567.5 << "1234567,5";
    QTest::newRow("en grouping omitted") << QLocale(QLocale::English, QLocale::UnitedStates) << 1e6 << "1000000";
    // Locales with digits of their own still write 0-9.
    QTest::newRow("ar_EG") << QLocale(QStringLiteral("ar_EG")) << 47 * 0.1 << "4.7";
    QTest::newRow("fa_IR") << QLocale(QStringLiteral("fa_IR")) << 999e9 << "999000000000";
    QTest::newRow("bn_BD") << QLocale(QStringLiteral("bn_BD")) << 0.01 << "0.01";
    QTest::newRow("my_MM") << QLocale(QStringLiteral("my_MM")) << 1234567.5 << "1234567.5";
}

void TestPlatform::numberToText()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    // Fifteen significant digits; the test row writes them with a point.
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    QCOMPARE(NumberText(locale).toText(value), text);
}

void TestPlatform::textToNumber()
{
    const NumberText ru(QLocale(QLocale::Russian, QLocale::Russia));
    QCOMPARE(ru.toNumber(QStringLiteral("4,7")), 4.7);
    QCOMPARE(ru.toNumber(QStringLiteral("04")), 4.0);
    QCOMPARE(ru.toNumber(QStringLiteral("999000000000")), 999e9);
    QVERIFY(!ru.toNumber(QStringLiteral("10?")));
    QVERIFY(!ru.toNumber(QString()));
    QCOMPARE(ru.toText(7), QStringLiteral("7"));
    QVERIFY(!ru.toNumber(QStringLiteral("4.7"))); // a point is no comma
    // In every locale Qt knows, a text written has the digits 0-9, the
    // locale's separator and no grouping, and reads back as its number.
    const QList<QLocale> all =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    QVERIFY(all.size() > 300);
    for (const QLocale &locale : all) {
        const NumberText numbers(locale);
        for (double v : {0.01, 0.47, 4.7, 990.0, 1e5, 2.2e6, 999e9, 123456.789012345}) {
            const QString text = numbers.toText(v);
            QString digits = text;
            digits.remove(locale.decimalPoint());
            for (QChar c : digits)
                QVERIFY2(c >= QLatin1Char('0') && c <= QLatin1Char('9'),
                         qPrintable(locale.name() + QLatin1Char(' ') + text));
            QCOMPARE(numbers.toNumber(text), v);
        }
        QCOMPARE(numbers.toText(12), QStringLiteral("12"));
    }
}

void TestPlatform::twips()
{
    QCOMPARE(twipsToPixels(0), 0);
    QCOMPARE(twipsToPixels(15), 1);
    QCOMPARE(twipsToPixels(3360), 224);
    QCOMPARE(twipsToPixels(6612), 441); // 440.8
    QCOMPARE(twipsToPixels(6096), 406); // 406.4
    QCOMPARE(twipsToPixels(4215), 281);
    QCOMPARE(twipsToPixels(-15), -1);
    // Touching in twips, touching in pixels.
    QCOMPARE(twipsRect(120, 0, 2655, 1575), QRect(8, 0, 177, 105));
    QCOMPARE(twipsRect(216, 3108, 2436, 240), QRect(14, 207, 163, 16)); // 14.4 .. 176.8
    const QRect a = twipsRect(100, 0, 107, 10);
    const QRect b = twipsRect(207, 0, 50, 10);
    QCOMPARE(a.right() + 1, b.left());
}

void TestPlatform::colourLabelKeepsItsColour()
{
    ColourLabel label;
    label.resize(17, 17);
    QCOMPARE(label.backColour(), QColor(Qt::white));
    for (const QColor &c : {QColor(255, 192, 128), QColor(128, 64, 64), QColor(0, 0, 0)}) {
        label.setBackColour(c);
        QCOMPARE(label.backColour(), c);
        QCOMPARE(label.grab().toImage().pixelColor(8, 8), c);
    }
    // What is read from one label and written to another is the same colour.
    ColourLabel other;
    other.setBackColour(label.backColour());
    QCOMPARE(other.backColour(), label.backColour());
}

void TestPlatform::swatchClicks()
{
    ColourSwatch label(QColor(255, 0, 0));
    label.resize(17, 17);
    label.show();
    QCOMPARE(label.grab().toImage().pixelColor(8, 8), QColor(255, 0, 0));
    QCOMPARE(label.focusPolicy(), Qt::NoFocus);
    QSignalSpy clicked(&label, &ColourSwatch::clicked);
    QTest::mouseClick(&label, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    QTest::mouseClick(&label, Qt::RightButton);
    QCOMPARE(clicked.count(), 1);
    // A press that is released outside the label is no click.
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(40, 8));
    QCOMPARE(clicked.count(), 1);
    // A release without a press on the label is no click either.
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(clicked.count(), 1);
    // Assistive technologies press it as a button.
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(&label);
    QVERIFY(a && a->actionInterface());
    QCOMPARE(a->role(), QAccessible::Button);
    QVERIFY(a->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(clicked.count(), 2);
    // Clicks while that press is under way are part of it: one click.
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTest::mouseDClick(label.windowHandle(), Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(clicked.count(), 2);
    QTRY_COMPARE(clicked.count(), 3);
    // A double click, delivered through the window as the system does, is
    // one click. Begun on the swatch beside it, it is a click here: Qt gives
    // the second press, as a double click, to the control under it.
    QTest::mouseDClick(label.windowHandle(), Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(clicked.count(), 4);
    QMouseEvent begunBeside(QEvent::MouseButtonDblClick, QPointF(1, 8), label.mapToGlobal(QPointF(1, 8)),
                            Qt::LeftButton, Qt::LeftButton, {});
    begunBeside.setTimestamp(
        quint64(QTest::lastMouseTimestamp + QGuiApplication::styleHints()->mouseDoubleClickInterval()));
    QApplication::sendEvent(&label, &begunBeside);
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(1, 8));
    QCOMPARE(clicked.count(), 5);
    // A right double click takes nothing from the next click.
    QTest::mouseDClick(label.windowHandle(), Qt::RightButton, {}, QPoint(8, 8));
    QTest::mouseClick(label.windowHandle(), Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(clicked.count(), 6);
}

void TestPlatform::optionButtonAnywhere()
{
    QWidget group;
    auto *a = new OptionButton(QStringLiteral("3"), &group);
    auto *b = new OptionButton(QStringLiteral("4"), &group);
    a->setGeometry(0, 0, 145, 17);
    b->setGeometry(0, 20, 145, 17);
    a->setChecked(true);
    group.show();
    // The far right of the button, well past its caption.
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(140, 8));
    QVERIFY(b->isChecked());
    QVERIFY(!a->isChecked());
}

// A group is one tab stop, its selected button; the arrows move the
// selection over the shown buttons, by position, in either direction.
void TestPlatform::optionGroupKeyboard()
{
    QWidget window;
    auto *before = new QPushButton(QStringLiteral("before"), &window);
    auto *group = new QWidget(&window);
    QList<OptionButton *> b;
    for (int i = 2; i >= 0; --i) { // made in any order
        b.prepend(new OptionButton(QString::number(i), group));
        b.first()->setGeometry(40 * i, 0, 35, 17);
    }
    b[1]->setChecked(true);
    group->setGeometry(0, 30, 150, 20);
    auto *after = new QPushButton(QStringLiteral("after"), &window);
    after->move(0, 60);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const auto tabFrom = [](QWidget *from, bool back = false) {
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
        return QApplication::focusWidget();
    };
    QCOMPARE(tabFrom(before), b[1]);
    QCOMPARE(tabFrom(after, true), b[1]);
    QTest::keyClick(b[1], Qt::Key_Left);
    QVERIFY(b[0]->isChecked());
    QCOMPARE(QApplication::focusWidget(), b[0]);
    QTest::keyClick(b[0], Qt::Key_Up); // no wrap
    QVERIFY(b[0]->isChecked());
    QTest::keyClick(b[0], Qt::Key_Down);
    QVERIFY(b[1]->isChecked());
    // A hidden button is passed over and never the tab stop.
    b[2]->hide();
    QTest::keyClick(b[1], Qt::Key_Right);
    QVERIFY(b[1]->isChecked());
    b[2]->show();
    b[0]->setChecked(true); // from code
    QCOMPARE(tabFrom(before), b[0]);
    // Focus left on another button, as by a press released elsewhere, does
    // not take the tab stop from the selected one.
    b[1]->setFocus(Qt::MouseFocusReason);
    QCOMPARE(tabFrom(after, true), b[0]);
    QTest::keyClick(b[0], Qt::Key_Right);
    QVERIFY(b[1]->isChecked());
}

void TestPlatform::rectShapePaints()
{
    RectShape body(QColor(128, 128, 0), QColor(192, 192, 0));
    body.resize(20, 10);
    const QImage filled = body.grab().toImage();
    QCOMPARE(filled.pixelColor(0, 0), QColor(192, 192, 0));
    QCOMPARE(filled.pixelColor(19, 9), QColor(192, 192, 0));
    QCOMPARE(filled.pixelColor(10, 5), QColor(128, 128, 0));
    QVERIFY(body.testAttribute(Qt::WA_TransparentForMouseEvents));

    // An outline only: what lies behind shows through.
    QWidget back;
    back.setAutoFillBackground(true);
    QPalette pal = back.palette();
    pal.setColor(QPalette::Window, QColor(0, 64, 64));
    back.setPalette(pal);
    back.resize(30, 30);
    auto *outline = new RectShape(std::nullopt, QColor(0, 128, 0), &back);
    outline->setGeometry(5, 5, 20, 20);
    const QImage image = back.grab().toImage();
    QCOMPARE(image.pixelColor(5, 5), QColor(0, 128, 0));
    QCOMPARE(image.pixelColor(24, 24), QColor(0, 128, 0));
    QCOMPARE(image.pixelColor(15, 15), QColor(0, 64, 64));
}

void TestPlatform::resultBoxCondensesWideText()
{
    ResultBox box;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(9);
    font.setBold(true);
    box.setFont(font);
    box.resize(27, 18);
    box.setText(QStringLiteral("Ом"));
    QVERIFY(box.textFits());
    QCOMPARE(box.font().stretch(), int(QFont::AnyStretch));
    box.setText(QStringLiteral("мкГн"));
    QVERIFY(box.textFits());
    QVERIFY(box.font().stretch() < 100);
    // A short text again gets the full face back.
    box.setText(QStringLiteral("пФ"));
    QCOMPARE(box.font(), font); // the very font, not a look-alike with a stretch
    QCOMPARE(box.font().pointSizeF(), 9.0);
    QVERIFY(box.isReadOnly());
}

// A screen reader gets the whole text as one run (Qt's own interface gives
// an empty run at each character, and Orca reads one character short), and
// where each character is; Shift+F10 opens the context menu.
void TestPlatform::resultBoxForReaders()
{
    ResultBox box;
    box.resize(160, 19);
    box.setText(QStringLiteral("999000 МОм"));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(&box);
    QAccessibleTextInterface *text = a->textInterface();
    QVERIFY(text && a->state().readOnly);
    QCOMPARE(text->text(0, text->characterCount()), box.text());
    for (int offset : {0, 4, 9}) {
        int start = -1, end = -1;
        text->attributes(offset, &start, &end);
        QCOMPARE(std::pair(start, end), std::pair(0, 10));
        QCOMPARE(text->offsetAtPoint(text->characterRect(offset).center()), offset);
    }
    QTest::keyClick(&box, Qt::Key_F10, Qt::ShiftModifier);
    QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
    QApplication::activePopupWidget()->close();
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
