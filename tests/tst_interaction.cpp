// The window at work: swatches, band counts and component kinds, clicked as
// a user clicks them, through the window at the control's place on screen.
#include "testkit.h"

#include "announcer.h"
#include "colourlabel.h"
#include "optionbutton.h"
#include "resultbox.h"

#include <QAccessible>
#include <QMenu>
#include <QRandomGenerator>

#include <map>

using namespace zomar;
using namespace zomar::test;

namespace {

QString swatchName(int band, int colour)
{
    return QStringLiteral("L%1_%2").arg(band).arg(colour);
}

// What is shown for a kind and band count, by the band rules: true for
// shown, false for hidden.
std::map<QString, bool> expectedVisibility(ComponentKind kind, int count)
{
    std::map<QString, bool> v;
    for (int band = 1; band <= 5; ++band) {
        const BandPosition &position = bandPosition(kind, count, band);
        for (int j = 0; j < paletteColourCount(band); ++j)
            v[swatchName(band, j)] = position.offersColour(j);
        v[QStringLiteral("Line%1").arg(band)] = position.isBand();
    }
    v[QStringLiteral("Lab_4")] = v[QStringLiteral("Line4")];
    v[QStringLiteral("Lab_5")] = v[QStringLiteral("Line5")];
    v[QStringLiteral("L5_En")] = kindRule(kind).maxCount == 5;
    v[QStringLiteral("Result4")] = v[QStringLiteral("Result4_Txt")] = hasVoltage(kind, count);
    for (const char *name : {"Op_R", "Op_C", "Op_G", "L3_En", "L4_En", "Label18", "Label19", "Label20", "Result",
                             "Result2", "Result3", "R_Full", "Ed_Izm"})
        v[QString::fromLatin1(name)] = true; // never hidden
    return v;
}

// The user's view of the state, kept from the clicks alone.
struct Model
{
    ComponentKind kind = ComponentKind::Resistor;
    int count = 5;
    std::array<int, 5> bands{9, 9, 9, 9, 9};
    QString voltage; // the last rated voltage shown

    void chooseKind(ComponentKind k)
    {
        kind = k;
        const KindRule &rule = kindRule(k);
        if (rule.chosenCount)
            count = rule.chosenCount;
        if (rule.chosenBand)
            bands[rule.chosenBand - 1] = rule.chosenColour;
    }
};

// What the window tells readers while this lives, a message each time: an
// announcement (Qt 6.8 on), or its notification's name as it shows.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
class Said
{
public:
    explicit Said(QWidget *) : m_before(QAccessible::installUpdateHandler(record)) { s_current = this; }
    ~Said()
    {
        QAccessible::installUpdateHandler(m_before);
        s_current = nullptr;
    }
    QStringList messages;

private:
    static void record(QAccessibleEvent *event)
    {
        if (event->type() == QAccessible::Announcement)
            s_current->messages << static_cast<QAccessibleAnnouncementEvent *>(event)->message();
        if (s_current->m_before)
            s_current->m_before(event);
    }
    static inline Said *s_current = nullptr;
    const QAccessible::UpdateHandler m_before;
};
#else
class Said : public QObject
{
public:
    explicit Said(QWidget *window) { window->findChild<Announcer *>()->installEventFilter(this); }
    QStringList messages;

private:
    bool eventFilter(QObject *notice, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            messages << static_cast<QWidget *>(notice)->accessibleName();
        return false;
    }
};
#endif

} // namespace

class TestInteraction : public WindowTest
{
    Q_OBJECT

private slots:
    void swatchPaintsOnlyItsBand();
    void sameSwatchAgain();
    void countsKeepColours();
    void countOptionRunsTablOnce();
    void fiveToFourToThree();
    void inductorFromStart();
    void inductorOverridesAnyBand4();
    void inductorThreeThenResistor();
    void inductorThenCapacitor();
    void resistorCapacitorAndBack();
    void digitBandWithoutDigitThroughTheWindow();
    void inductorOffersNoFiveBands();
    void arrowKeysRunTheHandlers();
    void keyboardOnly();
    void everyBandByKeyboard_data();
    void everyBandByKeyboard();
    void inertControls();
    void hiddenSwatchCannotBeClicked();
    void accessibleNames();
    void announcements_data();
    void announcements();
    void announcerLeavesTheFocus();
    void unchangedFieldsKeepSelection();
    void randomWalk_data();
    void randomWalk();

private:
    QColor stripeColour(int band) const;
    void verifyShown(ComponentKind kind, int count, const QString &where = QString());
    void verifyAgainst(const Model &model, const QString &where);
};

QColor TestInteraction::stripeColour(int band) const
{
    // The painted pixel at the stripe's centre, below the body's lower edge
    // for a clear view of the stripe alone.
    const QWidget *line = get(QStringLiteral("Line%1").arg(band));
    const QPoint centre = line->geometry().center();
    return m_window->grab(QRect(centre, QSize(1, 1))).toImage().pixelColor(0, 0);
}

// The controls shown and the options selected are those of the kind and count.
void TestInteraction::verifyShown(ComponentKind kind, int count, const QString &where)
{
    for (const auto &[name, visible] : expectedVisibility(kind, count))
        QVERIFY2(shown(name) == visible, qPrintable(where + QLatin1String(": visibility of ") + name));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(get<OptionButton>(std::array{"Op_R", "Op_C", "Op_G"}[i])->isChecked(), int(kind) == i);
        QCOMPARE(get<OptionButton>(QStringLiteral("L%1_En").arg(3 + i))->isChecked(), count == 3 + i);
    }
}

void TestInteraction::verifyAgainst(const Model &model, const QString &where)
{
    verifyShown(model.kind, model.count, where);

    const Evaluation e = evaluate({model.kind, model.count, model.bands}, NumberText(russian));
    QVERIFY2(text("Result") == e.digits, qPrintable(where));
    QVERIFY2(text("Result2") == e.multiplier, qPrintable(where));
    QVERIFY2(text("Result3") == e.tolerance, qPrintable(where));
    QVERIFY2(text("R_Full") == e.value, qPrintable(where + QLatin1String(": ") + text("R_Full")));
    QVERIFY2(text("Ed_Izm") == e.unit, qPrintable(where));
    QVERIFY2(text("Result4") == model.voltage, qPrintable(where));
    // One picture of the component for all five stripes.
    const QRect picture = get("Line1")->geometry().united(get("Line5")->geometry());
    const QImage image = m_window->grab(picture).toImage();
    for (int band = 1; band <= 5; ++band) {
        QVERIFY2(m_window->bandIndex(band) == model.bands[band - 1], qPrintable(where));
        const QWidget *line = get(QStringLiteral("Line%1").arg(band));
        if (line->isVisible())
            QVERIFY2(image.pixelColor(line->geometry().center() - picture.topLeft())
                         == bandColours[model.bands[band - 1]],
                     qPrintable(where + QStringLiteral(": stripe %1").arg(band)));
    }
}

void TestInteraction::swatchPaintsOnlyItsBand()
{
    click("L2_6");
    QCOMPARE(m_window->bandIndex(2), 6);
    QCOMPARE(stripeColour(2), QColor(0, 192, 192));
    for (int band : {1, 3, 4, 5}) {
        QCOMPARE(m_window->bandIndex(band), 9);
        QCOMPARE(stripeColour(band), QColor(255, 255, 255));
    }
    QCOMPARE(text("Result"), QStringLiteral("969"));
    QCOMPARE(m_window->evaluationCount(), 2);
    // Gold for band 3 whatever role band 3 has (a digit, at five bands).
    click("L3_En");
    click("L3_10");
    QCOMPARE(m_window->bandIndex(3), 10);
    QCOMPARE(stripeColour(3), QColor(255, 192, 128));
    QCOMPARE(text("Result2"), QStringLiteral("0,1"));
    QCOMPARE(text("R_Full"), QStringLiteral("9,6 Ом"));
}

void TestInteraction::sameSwatchAgain()
{
    click("L1_4");
    const int before = m_window->evaluationCount();
    // A field is written only when its text changes: a write tells a
    // screen reader of a change, and ends the user's selection.
    get<ResultBox>("R_Full")->selectAll();
    click("L1_4");
    QVERIFY(get<ResultBox>("R_Full")->hasSelectedText());
    QCOMPARE(m_window->evaluationCount(), before + 1);
    QCOMPARE(m_window->bandIndex(1), 4);
    QCOMPARE(stripeColour(1), QColor(255, 255, 0));
    QCOMPARE(text("Result"), QStringLiteral("499"));
}

void TestInteraction::countsKeepColours()
{
    click("L4_2");
    click("L5_10");
    const QString full = text("R_Full");
    const QString tolerance = text("Result3");
    QCOMPARE(full, QStringLiteral("99,9 кОм"));
    QCOMPARE(tolerance, QStringLiteral("5% (J)"));
    click("L3_En");
    verifyShown(ComponentKind::Resistor, 3);
    QCOMPARE(text("Result3"), QStringLiteral("+-20%"));
    click("L5_En");
    QCOMPARE(stripeColour(4), QColor(255, 0, 0));
    QCOMPARE(stripeColour(5), QColor(255, 192, 128));
    QCOMPARE(m_window->bandIndex(4), 2);
    QCOMPARE(m_window->bandIndex(5), 10);
    QCOMPARE(text("R_Full"), full);
    QCOMPARE(text("Result3"), tolerance);
}

void TestInteraction::countOptionRunsTablOnce()
{
    int before = m_window->evaluationCount();
    click("L4_En");
    QCOMPARE(m_window->evaluationCount(), before + 1);
    // Selecting the selected option again changes nothing.
    before = m_window->evaluationCount();
    click("L4_En");
    QCOMPARE(m_window->evaluationCount(), before);
    // The handler itself, run again, leaves every control as it was.
    Model model;
    model.count = 4;
    m_window->L4_En_Click();
    verifyAgainst(model, QStringLiteral("L4_En_Click again"));
}

void TestInteraction::fiveToFourToThree()
{
    click("L4_En");
    verifyShown(ComponentKind::Resistor, 4);
    QCOMPARE(text("Result"), QStringLiteral("99"));
    QCOMPARE(text("Result2"), QStringLiteral("1000000000"));
    QCOMPARE(text("Result3"), QStringLiteral("+80% -20% (Z)"));
    QCOMPARE(text("R_Full"), QStringLiteral("99000 МОм"));
    click("L3_En");
    QCOMPARE(text("Result3"), QStringLiteral("+-20%"));
    verifyShown(ComponentKind::Resistor, 3);
}

void TestInteraction::inductorFromStart()
{
    const int before = m_window->evaluationCount();
    click("Op_G");
    QCOMPARE(m_window->evaluationCount(), before + 2); // the nested L4_En_Click, then its own
    verifyShown(ComponentKind::Inductor, 4);
    QCOMPARE(m_window->bandIndex(4), int(Gold));
    QCOMPARE(stripeColour(4), QColor(255, 192, 128));
    QCOMPARE(text("Result"), QStringLiteral("99"));
    QCOMPARE(text("Result2"), QStringLiteral("1000000000"));
    QCOMPARE(text("Result3"), QStringLiteral("5% (J)"));
    QCOMPARE(text("R_Full"), QStringLiteral("99000 Гн"));
    QCOMPARE(text("Ed_Izm"), QStringLiteral("мкГн"));
}

void TestInteraction::inductorOverridesAnyBand4()
{
    click("L4_11");
    QCOMPARE(m_window->bandIndex(4), int(Silver));
    click("Op_G");
    QCOMPARE(m_window->bandIndex(4), int(Gold));
    // Silver may be chosen again while an inductor.
    click("L4_11");
    QCOMPARE(text("Result3"), QStringLiteral("10% (K)"));
    // Band 5 keeps its colour through the inductor's four bands.
    click("Op_R");
    click("L5_En");
    QCOMPARE(m_window->bandIndex(5), 9);
    QCOMPARE(stripeColour(5), QColor(255, 255, 255));
}

void TestInteraction::inductorThreeThenResistor()
{
    click("Op_G");
    click("L3_En");
    QCOMPARE(text("Result3"), QStringLiteral("20% (M)"));
    verifyShown(ComponentKind::Inductor, 3);
    click("Op_R");
    verifyShown(ComponentKind::Resistor, 3);
    QCOMPARE(text("Result3"), QStringLiteral("+-20%"));
    // Back to four: band 4 kept its gold, all twelve swatches are offered.
    click("L4_En");
    QCOMPARE(m_window->bandIndex(4), int(Gold));
    verifyShown(ComponentKind::Resistor, 4);
}

void TestInteraction::inductorThenCapacitor()
{
    click("Op_G");
    click("Op_C");
    verifyShown(ComponentKind::Capacitor, 4);
    QCOMPARE(m_window->bandIndex(4), int(Gold));
    QCOMPARE(text("Result4"), QStringLiteral("50v"));
    QCOMPARE(text("Ed_Izm"), QStringLiteral("пФ"));
    click("L3_En");
    QCOMPARE(text("Result4"), QStringLiteral("500v"));
}

void TestInteraction::resistorCapacitorAndBack()
{
    click("L5_3");
    click("Op_C");
    verifyShown(ComponentKind::Capacitor, 5);
    QCOMPARE(text("Result4"), QStringLiteral("30v"));
    QCOMPARE(text("R_Full"), QStringLiteral("99000 мкФ"));
    click("Op_R");
    QCOMPARE(text("Result4"), QStringLiteral("30v")); // kept, hidden
    QCOMPARE(text("R_Full"), QStringLiteral("999000 МОм"));
    Model model;
    model.bands[4] = Orange;
    model.voltage = QStringLiteral("30v");
    verifyAgainst(model, QStringLiteral("back to resistor"));
}

void TestInteraction::digitBandWithoutDigitThroughTheWindow()
{
    click("L3_En");
    click("L1_1");
    click("L2_0");
    click("L3_10");
    QCOMPARE(text("R_Full"), QStringLiteral("1 Ом"));
    click("L5_En");
    QCOMPARE(text("Result"), QStringLiteral("10?"));
    QCOMPARE(text("R_Full"), QStringLiteral("?"));
    QCOMPARE(text("Ed_Izm"), QStringLiteral("Ом"));
    QCOMPARE(stripeColour(3), QColor(255, 192, 128));
    QVERIFY(!shown("L3_10")); // gold is no longer offered for band 3
    click("L3_0");
    QCOMPARE(text("Result"), QStringLiteral("100"));
    QCOMPARE(text("R_Full"), QStringLiteral("100000 МОм")); // 100 x 10^9
}

void TestInteraction::inductorOffersNoFiveBands()
{
    click("Op_G");
    // L5_En is hidden: a click where it stands reaches the frame only.
    click("L5_En");
    verifyShown(ComponentKind::Inductor, 4);
    click("L3_En");
    click("L4_En");
    verifyShown(ComponentKind::Inductor, 4);
    QCOMPARE(m_window->bandIndex(4), int(Gold));
}

void TestInteraction::arrowKeysRunTheHandlers()
{
    auto *opR = get<OptionButton>("Op_R");
    opR->setFocus();
    QTest::keyClick(opR, Qt::Key_Down);
    verifyShown(ComponentKind::Capacitor, 5);
    QTest::keyClick(get("Op_C"), Qt::Key_Down);
    verifyShown(ComponentKind::Inductor, 4);
    QCOMPARE(m_window->bandIndex(4), int(Gold));
    // In the count group, the hidden five is not reached by the keys.
    auto *l4 = get<OptionButton>("L4_En");
    l4->setFocus();
    QTest::keyClick(l4, Qt::Key_Right);
    QVERIFY(!get<OptionButton>("L5_En")->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    verifyShown(ComponentKind::Inductor, 3);
    QCOMPARE(text("Result3"), QStringLiteral("20% (M)"));
}

// Tab enters each option group on its selected button, whatever was
// clicked before; an inductor's band count can be changed by keys alone.
void TestInteraction::keyboardOnly()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    // The stops that Tab visits from Exit round to Exit.
    const auto tabCycle = [] {
        QStringList cycle;
        do {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            cycle << QApplication::focusWidget()->objectName();
        } while (cycle.size() < 20 && cycle.last() != QLatin1String("Exit_Btn"));
        return cycle.join(QLatin1Char(' '));
    };
    get("Exit_Btn")->setFocus();
    QCOMPARE(tabCycle(), QStringLiteral("Op_R L5_En Result Ed_Izm Result2 R_Full Result3 Exit_Btn"));
    click("L5_En");
    click("Op_G");
    get("Exit_Btn")->setFocus();
    QCOMPARE(tabCycle(), QStringLiteral("Op_G L4_En Result Ed_Izm Result2 R_Full Result3 Exit_Btn"));
    // From the results back into the count group, and three bands.
    get("Result")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("L4_En"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    verifyShown(ComponentKind::Inductor, 3);
    QCOMPARE(text("Result3"), QStringLiteral("20% (M)"));
    // And back to a capacitor, whose fifth band returns.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Op_G"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    verifyShown(ComponentKind::Capacitor, 3);
}

// Every colour every shown band offers, set by the keyboard alone, from the
// context menu of a control that takes the focus and by the shortcuts: each
// the same choice as a click on its swatch, said once; a hidden band has no
// entry and its shortcut changes nothing.
void TestInteraction::everyBandByKeyboard_data()
{
    QTest::addColumn<QStringList>("clicks"); // to the kind and count
    QTest::addColumn<QString>("from");       // the control whose menu is used
    QTest::newRow("resistor, 5") << QStringList{} << QStringLiteral("Op_R");
    QTest::newRow("resistor, 4") << QStringList{"L4_En"} << QStringLiteral("L4_En");
    QTest::newRow("resistor, 3") << QStringList{"L3_En"} << QStringLiteral("Result");
    QTest::newRow("capacitor, 3") << QStringList{"Op_C", "L3_En"} << QStringLiteral("Exit_Btn");
    QTest::newRow("capacitor, 4") << QStringList{"Op_C", "L4_En"} << QStringLiteral("Result4");
    QTest::newRow("capacitor, 5") << QStringList{"Op_C"} << QStringLiteral("Op_C");
    QTest::newRow("inductor, 3") << QStringList{"Op_G", "L3_En"} << QStringLiteral("R_Full");
    QTest::newRow("inductor, 4") << QStringList{"Op_G"} << QStringLiteral("Ed_Izm");
}

void TestInteraction::everyBandByKeyboard()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, from);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    Model model;
    for (const QString &name : clicks) {
        click(name);
        if (name.startsWith(QLatin1String("Op_")))
            model.chooseKind(static_cast<ComponentKind>(QStringLiteral("RCG").indexOf(name.back())));
        else
            model.count = name.at(1).digitValue();
    }
    QWidget *control = get(from);
    control->setFocus(Qt::TabFocusReason);
    Said said(m_window.get());
    QStringList told;
    // A key to the focused control, or to an open menu; when it chose a
    // colour: one evaluation, the model's results, the focus kept, and the
    // colour and value said.
    const auto press = [&](int band, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        const int evaluations = m_window->evaluationCount(), before = m_window->bandIndex(band);
        QWidget *menu = QApplication::activePopupWidget();
        QTest::keyClick(menu ? menu : QApplication::focusWidget(), key, modifiers);
        if (m_window->evaluationCount() == evaluations)
            return;
        model.bands[band - 1] = m_window->bandIndex(band);
        if (model.kind == ComponentKind::Capacitor)
            model.voltage = *evaluate({model.kind, model.count, model.bands}, NumberText(russian)).voltage;
        const QString where = QStringLiteral("band %1: %2 to %3").arg(band).arg(before).arg(model.bands[band - 1]);
        QVERIFY2(m_window->evaluationCount() == evaluations + 1 && !QApplication::activePopupWidget(),
                 qPrintable(where));
        verifyAgainst(model, where);
        QVERIFY2(QApplication::focusWidget() == control, qPrintable(where));
        told << QStringLiteral("%1, %2").arg(colourName(model.bands[band - 1]), text("R_Full"));
    };
    const auto colourOf = [this](int band) { return colourName(m_window->bandIndex(band)).toString(); };
    for (int band = 1; band <= 5; ++band) {
        const BandPosition &position = bandPosition(model.kind, model.count, band);
        QStringList offered;
        for (int colour = 0; colour < 12; ++colour) {
            if (position.offersColour(colour))
                offered << colourName(colour).toString();
        }
        // Shift+F10, its first enabled item current; the band's entry, with
        // its colours, its own checked; each chosen by Down and Return.
        for (const QString &name : offered.isEmpty() ? QStringList{QString()} : offered) {
            press(band, Qt::Key_F10, Qt::ShiftModifier);
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            const QList<QAction *> items = menu->actions();
            QCOMPARE(menu->activeAction(), *std::find_if(items.begin(), items.end(), [](QAction *a) {
                         return a->isEnabled() && !a->isSeparator();
                     }));
            const auto entry = std::find_if(items.begin(), items.end(), [band](QAction *a) {
                return a->text() == QStringLiteral("Цвет полосы %1").arg(band);
            });
            QCOMPARE(entry != items.end(), !offered.isEmpty());
            if (offered.isEmpty()) {
                press(band, Qt::Key_Escape);
                break;
            }
            for (int i = 0; menu->activeAction() != *entry && i < 20; ++i)
                press(band, Qt::Key_Down);
            press(band, Qt::Key_Right);
            QMenu *colours = (*entry)->menu();
            QTRY_VERIFY(colours->isVisible() && colours->activeAction());
            QStringList names;
            for (QAction *action : colours->actions()) {
                if (action->isCheckable() && (names << action->text(), action->isChecked()))
                    QCOMPARE(action->text(), colourName(m_window->bandIndex(band)));
            }
            QCOMPARE(names, offered);
            for (int i = 0; colours->activeAction()->text() != name && i < 20; ++i)
                press(band, Qt::Key_Down);
            press(band, Qt::Key_Return);
            QCOMPARE(colourOf(band), name);
        }
        // Ctrl+band: every offered colour in turn, round to the band's own;
        // with Shift, back to the one before it. None for a band not shown.
        const Qt::Key digit = Qt::Key(Qt::Key_0 + band);
        QStringList visited;
        for (qsizetype i = 0; i < std::max<qsizetype>(offered.size(), 1); ++i) {
            press(band, digit, Qt::ControlModifier);
            visited << colourOf(band);
        }
        QCOMPARE(QSet(visited.begin(), visited.end()), QSet(offered.begin(), offered.end()) + QSet{visited.last()});
        press(band, digit, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(colourOf(band),
                 offered.isEmpty() ? visited.last() : visited.value(visited.size() - 2, visited.last()));
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(said.messages, told);
}

void TestInteraction::inertControls()
{
    click("L1_2");
    const int before = m_window->evaluationCount();
    const QString full = text("R_Full");
    const QStringList inert = {"Label2",  "Label11",  "Label13",  "Label18", "Lab_4",  "Label21", "Line1",   "Line3",
                               "Shape1",  "Shape2_0", "Shape2_1", "Frame1",  "Frame2", "Label1",  "Label23", "Label14",
                               "Label16", "Label17",  "Label22",  "Result",  "R_Full", "Ed_Izm",  "Result3"};
    for (const QString &name : inert)
        click(name);
    // The green outline, on its edge.
    QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, QPoint(192, 200));
    QCOMPARE(m_window->evaluationCount(), before);
    QCOMPARE(text("R_Full"), full);
    QCOMPARE(m_window->bandIndex(1), 2);
    QCOMPARE(stripeColour(1), QColor(255, 0, 0));
    QVERIFY(get<OptionButton>("Op_R")->isChecked());
    QVERIFY(get<OptionButton>("L5_En")->isChecked());
}

void TestInteraction::hiddenSwatchCannotBeClicked()
{
    // At start band 3 offers no gold or silver.
    click("L3_10");
    click("L3_11");
    QCOMPARE(m_window->bandIndex(3), 9);
    QCOMPARE(m_window->evaluationCount(), 1);
    click("L3_En");
    click("L4_5");
    click("L5_5");
    QCOMPARE(m_window->bandIndex(4), 9);
    QCOMPARE(m_window->bandIndex(5), 9);
}

// A listener tells a stripe (the band's colour now) from a swatch (a colour
// on offer for a band), and a swatch pressed through accessibility chooses
// its colour as a click does, unless it is hidden.
void TestInteraction::accessibleNames()
{
    const std::pair<const char *, const char *> names[] = {{"L3_2", "Красный для полосы 3"},
                                                           {"L1_1", "Коричневый для полосы 1"},
                                                           {"L5_11", "Серебряный для полосы 5"},
                                                           {"Line3", "Цвет полосы 3: Белый"},
                                                           {"Frame2", "Элемент"},
                                                           {"Frame1", "Кол-во полос"},
                                                           {"Result", "Цифры номинала"},
                                                           {"Ed_Izm", "Единица номинала"},
                                                           {"Result2", "Множитель"},
                                                           {"R_Full", "Номинал с единицей"},
                                                           {"Result3", "Допуск"},
                                                           {"Result4", "Напряжение"}};
    for (const auto &[name, text] : names)
        QCOMPARE(get(name)->accessibleName(), QString::fromUtf8(text));
    QCOMPARE(get("L3_2")->toolTip(), QStringLiteral("Красный для полосы 3"));
    QCOMPARE(QAccessible::queryAccessibleInterface(get("Frame1"))->role(), QAccessible::Grouping);
    QCOMPARE(QAccessible::queryAccessibleInterface(m_window.get())->role(), QAccessible::Window);

    const auto press = [this](const char *name) {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(get(name));
        QVERIFY(a && a->actionInterface());
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    Said said(m_window.get());
    press("L3_2");
    QTRY_COMPARE(m_window->bandIndex(3), 2);
    QCOMPARE(stripeColour(3), QColor(255, 0, 0));
    QCOMPARE(get("Line3")->accessibleName(), QStringLiteral("Цвет полосы 3: Красный"));
    QCOMPARE(get("Line3")->toolTip(), QStringLiteral("Цвет полосы 3: Красный"));
    QCOMPARE(text("Result"), QStringLiteral("992"));
    QCOMPARE(said.messages, QStringList{"Красный, 992000 МОм"}); // the band's colour and the new value
    // Hidden while the press is under way: no choice.
    press("L5_3");
    click("L3_En");
    const int evaluations = m_window->evaluationCount();
    QTest::qWait(300);
    QCOMPARE(m_window->bandIndex(5), int(White));
    QCOMPARE(m_window->evaluationCount(), evaluations);
    click("Op_G");
    QCOMPARE(get("Line4")->accessibleName(), QStringLiteral("Цвет полосы 4: Золотой"));
}

// Each change of a band, a band count or a kind is said once, with the value
// it gives; nothing of it stays shown to be outdated.
void TestInteraction::announcements_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("said");
    QTest::newRow("band") << QStringList{"L1_4"} << QStringList{"Желтый, 499000 МОм"};
    QTest::newRow("two bands") << QStringList{"L1_4", "L2_4"}
                               << QStringList{"Желтый, 499000 МОм", "Желтый, 449000 МОм"};
    QTest::newRow("band count") << QStringList{"L4_En"} << QStringList{"99000 МОм"};
    QTest::newRow("same count") << QStringList{"L5_En"} << QStringList{};
    QTest::newRow("kind") << QStringList{"Op_C", "Op_R"} << QStringList{"99000 мкФ", "999000 МОм"};
    QTest::newRow("inductor and its four bands") << QStringList{"Op_G"} << QStringList{"99000 Гн"};
}

void TestInteraction::announcements()
{
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, said);
    Said told(m_window.get());
    for (const QString &name : clicks)
        click(name);
    QCOMPARE(told.messages, said);
    QTRY_VERIFY(!m_window->findChild<Announcer *>()->isVisible());
}

// Said while the user is in a result field, a change leaves the focus there.
void TestInteraction::announcerLeavesTheFocus()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    get("Result2")->setFocus(Qt::TabFocusReason);
    QAccessible::queryAccessibleInterface(get("L1_2"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(m_window->bandIndex(1), 2);
    QCOMPARE(QApplication::focusWidget(), get("Result2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), get("R_Full"));
}

// A field whose text stays is not written: the user's selection in it stays.
void TestInteraction::unchangedFieldsKeepSelection()
{
    click("Label2"); // the window in use, as a user's is: its first press settles Qt's fields once
    const QStringList fields = {"Result", "Result2", "Result3", "R_Full", "Ed_Izm"};
    for (const QString &name : fields)
        get<ResultBox>(name)->selectAll();
    std::map<QString, QString> before;
    for (const QString &name : fields)
        before[name] = text(name);
    click("L1_4"); // new digits and value, the same multiplier, tolerance and unit
    for (const QString &name : fields) {
        const bool changed = text(name) != before.at(name);
        QVERIFY2(changed == (name == "Result" || name == "R_Full"), qPrintable(name));
        QVERIFY2(get<ResultBox>(name)->hasSelectedText() != changed, qPrintable(name));
    }
}

void TestInteraction::randomWalk_data()
{
    QTest::addColumn<quint32>("walk");
    const QByteArray chosen = qgetenv("ZOMAR_WALK");
    if (!chosen.isEmpty()) {
        QTest::newRow(chosen.constData()) << chosen.toUInt();
        return;
    }
    for (quint32 walk : {1u, 2u, 3u})
        QTest::addRow("walk %u", walk) << walk;
}

void TestInteraction::randomWalk()
{
    QFETCH(quint32, walk);
    const int steps =
        qEnvironmentVariableIsSet("ZOMAR_WALK_STEPS") ? qEnvironmentVariableIntValue("ZOMAR_WALK_STEPS") : 5000;
    QRandomGenerator random(walk);
    Model model;
    const QStringList kindOptions = {"Op_R", "Op_C", "Op_G"};
    const QStringList countOptions = {"L3_En", "L4_En", "L5_En"};

    for (int step = 0; step < steps; ++step) {
        const QString where = QStringLiteral("walk %1 step %2").arg(walk).arg(step);
        const int roll = random.bounded(100);
        if (roll < 10) {
            // An arrow key in one of the option groups, from its selected button.
            const QStringList &group = roll < 5 ? kindOptions : countOptions;
            OptionButton *from = nullptr;
            for (const QString &name : group) {
                if (get<OptionButton>(name)->isChecked())
                    from = get<OptionButton>(name);
            }
            from->setFocus();
            const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right};
            const Qt::Key key = keys[random.bounded(4)];
            QTest::keyClick(from, key);
            // Up and Left select the button before, Down and Right the one
            // after, if it is shown; no wrap.
            const int i = int(group.indexOf(from->objectName())) + (key == Qt::Key_Up || key == Qt::Key_Left ? -1 : 1);
            if (i >= 0 && i < 3 && shown(group[i])) {
                if (roll < 5)
                    model.chooseKind(static_cast<ComponentKind>(i));
                else
                    model.count = 3 + i;
            }
        } else if (roll < 25) {
            const QStringList &group = roll < 18 ? kindOptions : countOptions;
            const int i = random.bounded(3);
            auto *button = get<OptionButton>(group[i]);
            if (!button->isVisible())
                continue;
            const QPoint at(random.bounded(button->width()), random.bounded(button->height()));
            const bool wasChecked = button->isChecked();
            click(group[i], at);
            if (!wasChecked) {
                if (roll < 18)
                    model.chooseKind(static_cast<ComponentKind>(i));
                else
                    model.count = 3 + i;
            }
        } else {
            const int band = 1 + random.bounded(5);
            const int colour = random.bounded(band <= 2 ? 10 : 12);
            if (!shown(swatchName(band, colour)))
                continue;
            click(swatchName(band, colour));
            model.bands[band - 1] = colour;
        }
        if (model.kind == ComponentKind::Capacitor)
            model.voltage = *evaluate({model.kind, model.count, model.bands}, NumberText(russian)).voltage;
        verifyAgainst(model, where);
        if (QTest::currentTestFailed())
            return;
    }
    qInfo("walk %u: %d steps checked", walk, steps);
}

ZOMAR_WINDOW_TEST_MAIN(TestInteraction)
#include "tst_interaction.moc"
