// The window in the user's own locale, as the program starts it: decimal
// separator from the locale, never a group separator. Run once per locale
// with LC_ALL set and ZOMAR_EXPECT_DECIMAL naming the separator to see.
#include "testkit.h"

#include "resultbox.h"

#include <QAccessible>
#include <QClipboard>
#include <QMenu>
#include <QRegularExpression>

#include <memory>

using namespace zomar;
using namespace zomar::test;

class TestEnvironment : public WindowTest
{
    Q_OBJECT

private slots:
    void initTestCase();
    void numbersFollowTheSystemLocale();
    void qtTextsAreRussianForReaders();
    void qtTextsAreRussian();

private:
    QString m_decimal;
};

void TestEnvironment::initTestCase()
{
    m_decimal = qEnvironmentVariable("ZOMAR_EXPECT_DECIMAL");
    if (m_decimal.isEmpty())
        QSKIP("set LC_ALL and ZOMAR_EXPECT_DECIMAL to run this test");
}

void TestEnvironment::numbersFollowTheSystemLocale()
{
    open(NumberText()); // the system locale, as in the program
    const QLocale system = QLocale::system();
    QCOMPARE(system.decimalPoint(), m_decimal);

    // Large numbers, which a grouping locale would split.
    QCOMPARE(text("Result2"), QStringLiteral("1000000000"));
    QCOMPARE(text("R_Full"), QStringLiteral("999000 МОм"));
    click("Op_C");
    QCOMPARE(text("R_Full"), QStringLiteral("99000 мкФ"));
    click("Op_R");

    // Yellow, violet, red, gold: 4.7 kilo-ohms in the locale's notation.
    click("L4_En");
    click("L1_4");
    click("L2_7");
    click("L3_2");
    click("L4_10");
    QCOMPARE(text("R_Full"), QStringLiteral("4") + m_decimal + QStringLiteral("7 кОм"));
    click("L3_11");
    QCOMPARE(text("Result2"), QStringLiteral("0") + m_decimal + QStringLiteral("01"));
    QCOMPARE(text("R_Full"), QStringLiteral("0") + m_decimal + QStringLiteral("47 Ом"));
    click("L3_3");
    QCOMPARE(text("R_Full"), QStringLiteral("47 кОм"));
    // One digit system in the panel: the fixed tolerance texts have 0-9.
    click("Op_C");
    for (const char *name : {"Result", "Result2", "Result3", "Result4", "R_Full"}) {
        for (QChar c : text(name))
            QVERIFY2(!c.isDigit() || (c >= QLatin1Char('0') && c <= QLatin1Char('9')), name);
    }
}

// Qt's texts are read when first needed, not at start-up: a screen reader
// that comes is told them in Russian (before any menu has opened).
void TestEnvironment::qtTextsAreRussianForReaders()
{
    QAccessible::setActive(true);
    const QString copy = QCoreApplication::translate("QLineEdit", "&Copy");
    QAccessible::setActive(false);
    QCOMPARE(copy, QStringLiteral("&Копировать"));
}

// The result fields' context menu, which Qt supplies, reads Russian in
// every locale, and still copies.
void TestEnvironment::qtTextsAreRussian()
{
    auto *box = get<ResultBox>("R_Full");
    box->selectAll();
    std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
    QStringList texts;
    QAction *copy = nullptr;
    for (QAction *action : menu->actions()) {
        const QString t = action->text().section(QLatin1Char('\t'), 0, 0); // less the shortcut
        if (t == QStringLiteral("&Копировать"))
            copy = action;
        if (!action->isSeparator())
            texts << t;
    }
    const QRegularExpression latin(QStringLiteral("[A-Za-z]{2}"));
    for (const QString &t : texts)
        QVERIFY2(!t.contains(latin), qPrintable(t));
    QVERIFY(copy && copy->isEnabled());
    QGuiApplication::clipboard()->clear();
    copy->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), box->text());
}

ZOMAR_WINDOW_TEST_MAIN(TestEnvironment)
#include "tst_environment.moc"
