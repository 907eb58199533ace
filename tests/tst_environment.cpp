// The window in the user's own locale, as the program starts it: decimal
// separator from the locale, never a group separator. Run once per locale
// with LC_ALL set and ZOMAR_EXPECT_DECIMAL naming the separator to see.
#include "window/application.h"
#include "window/zomar.h"

#include "platform/resultbox.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>

#include <memory>

using namespace zomar;

class TestEnvironment : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void numbersFollowTheSystemLocale();
    void qtTextsAreRussian();

private:
    void click(Zomar &window, const char *name)
    {
        QWidget *w = window.findChild<QWidget *>(QLatin1String(name));
        QVERIFY(w);
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, w->mapTo(&window, w->rect().center()));
    }
    static QString text(Zomar &window, const char *name)
    {
        return window.findChild<ResultBox *>(QLatin1String(name))->text();
    }

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
    Zomar window; // the system locale, as in the program
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QLocale system = QLocale::system();
    QCOMPARE(system.decimalPoint(), m_decimal);

    // Large numbers, which a grouping locale would split.
    QCOMPARE(text(window, "Result2"), QStringLiteral("1000000000"));
    QCOMPARE(text(window, "R_Full"), QStringLiteral("999000 МОм"));
    click(window, "Op_C");
    QCOMPARE(text(window, "R_Full"), QStringLiteral("99000 мкФ"));
    click(window, "Op_R");

    // Yellow, violet, red, gold: 4.7 kilo-ohms in the locale's notation.
    click(window, "L4_En");
    click(window, "L1_4");
    click(window, "L2_7");
    click(window, "L3_2");
    click(window, "L4_10");
    QCOMPARE(text(window, "R_Full"), QStringLiteral("4") + m_decimal + QStringLiteral("7 кОм"));
    click(window, "L3_11");
    QCOMPARE(text(window, "Result2"), QStringLiteral("0") + m_decimal + QStringLiteral("01"));
    QCOMPARE(text(window, "R_Full"), QStringLiteral("0") + m_decimal + QStringLiteral("47 Ом"));
    click(window, "L3_3");
    QCOMPARE(text(window, "R_Full"), QStringLiteral("47 кОм"));
    // One digit system in the panel: the fixed tolerance texts have 0-9.
    click(window, "Op_C");
    for (const char *name : {"Result", "Result2", "Result3", "Result4", "R_Full"}) {
        for (QChar c : text(window, name))
            QVERIFY2(!c.isDigit() || (c >= QLatin1Char('0') && c <= QLatin1Char('9')), name);
    }
}

// The result fields' context menu, which Qt supplies, reads Russian in
// every locale, and still copies.
void TestEnvironment::qtTextsAreRussian()
{
    Zomar window;
    auto *box = window.findChild<ResultBox *>(QStringLiteral("R_Full"));
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

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication(app);
    TestEnvironment test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_environment.moc"
