// The colour code: tables, configurations, scaling and the answers to input
// that a table cannot serve. Expected texts are worked out by hand.
#include "evaluator.h"

#include <QTest>

#include <climits>
#include <cmath>

using namespace zomar;

Q_DECLARE_METATYPE(zomar::ComponentKind)

namespace {

const QLocale russian(QLocale::Russian, QLocale::Russia);

using Bands = std::array<int, 5>;

Evaluation eval(ComponentKind kind, int count, Bands bands, const QLocale &locale = russian)
{
    return evaluate({kind, count, bands}, NumberText(locale));
}

constexpr auto R = ComponentKind::Resistor;
constexpr auto C = ComponentKind::Capacitor;
constexpr auto L = ComponentKind::Inductor;

} // namespace

class TestEngine : public QObject
{
    Q_OBJECT

private slots:
    void tables_data();
    void tables();
    void results_data();
    void results();
    void thresholds_data();
    void thresholds();
    void unusedBandsHaveNoEffect();
    void locales();
    void digitBandWithoutDigit();
    void fiveBandInductorReadsAsFour();
    void bandRules_data();
    void bandRules();
    void sweepEveryColourOfEveryConfiguration();
};

void TestEngine::tables_data()
{
    QTest::addColumn<int>("colour");
    QTest::addColumn<int>("digit"); // -1: none
    QTest::addColumn<double>("multiplier");
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<QString>("voltage");

    // Every entry of the four tables, indexed from 0. The multipliers are
    // the doubles the power function gives: 10^-1 and 10^-2 for gold and
    // silver. The grey tolerance keeps its trailing blank.
    const auto row = [](const char *name, int colour, int digit, double multiplier, const char *tolerance,
                        const char *voltage) {
        QTest::newRow(name) << colour << digit << multiplier << QString::fromUtf8(tolerance)
                            << QString::fromUtf8(voltage);
    };
    row("black", Black, 0, 1, "20% (M)", "-");
    row("brown", Brown, 1, 10, "1% (F)", "10v");
    row("red", Red, 2, 100, "2% (G)", "20v");
    row("orange", Orange, 3, 1e3, "-", "30v");
    row("yellow", Yellow, 4, 1e4, "-", "40v");
    row("green", Green, 5, 1e5, "0,5% (D)", "50v");
    row("light blue", LightBlue, 6, 1e6, "0,25% (C)", "60v");
    row("violet", Violet, 7, 1e7, "0,1% (B)", "70v");
    row("grey", Grey, 8, 1e8, "30% (N); 0,1% ", "80v");
    row("white", White, 9, 1e9, "+80% -20% (Z)", "90v");
    row("gold", Gold, -1, std::pow(10.0, -1.0), "5% (J)", "100v");
    row("silver", Silver, -1, std::pow(10.0, -2.0), "10% (K)", "200v");
}

void TestEngine::tables()
{
    QFETCH(int, colour);
    QFETCH(int, digit);
    QCOMPARE(digitOf(colour).value_or(-1), digit);
    QTEST(*multiplierOf(colour), "multiplier");
    QTEST(*toleranceOf(colour), "tolerance");
    QTEST(*voltageOf(colour), "voltage");
    // Nothing outside the tables.
    QVERIFY(!toleranceOf(12));
    QVERIFY(!voltageOf(-1));
    QVERIFY(!multiplierOf(INT_MAX));
}

void TestEngine::results_data()
{
    QTest::addColumn<ComponentKind>("kind");
    QTest::addColumn<int>("count");
    QTest::addColumn<Bands>("bands");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("multiplier");
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<QString>("voltage"); // null: not written
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("unit");

    const char *none = nullptr;
    const auto row = [](const char *name, ComponentKind kind, int count, Bands bands, const char *digits,
                        const char *multiplier, const char *tolerance, const char *voltage, const char *value,
                        const char *unit) {
        QTest::newRow(name) << kind << count << bands << QString::fromUtf8(digits) << QString::fromUtf8(multiplier)
                            << QString::fromUtf8(tolerance) << QString::fromUtf8(voltage) << QString::fromUtf8(value)
                            << QString::fromUtf8(unit);
    };
    // Bands beyond the count hold colours that must not matter.
    row("R4 yellow violet red gold", R, 4, {Yellow, Violet, Red, Gold, Green}, "47", "100", "5% (J)", none, "4,7 кОм",
        "Ом");
    row("R3 brown black brown", R, 3, {Brown, Black, Brown, Grey, Red}, "10", "10", "+-20%", none, "100 Ом", "Ом");
    row("R3 brown black red", R, 3, {Brown, Black, Red, White, White}, "10", "100", "+-20%", none, "1 кОм", "Ом");
    row("R3 white white brown", R, 3, {White, White, Brown, White, White}, "99", "10", "+-20%", none, "990 Ом", "Ом");
    row("R3 brown black green: megaohm", R, 3, {Brown, Black, Green, White, White}, "10", "100000", "+-20%", none,
        "1 МОм", "Ом");
    row("R4 yellow violet gold gold", R, 4, {Yellow, Violet, Gold, Gold, White}, "47", "0,1", "5% (J)", none, "4,7 Ом",
        "Ом");
    row("R4 yellow violet silver silver", R, 4, {Yellow, Violet, Silver, Silver, White}, "47", "0,01", "10% (K)", none,
        "0,47 Ом", "Ом");
    row("R4 leading zero", R, 4, {Black, Yellow, Red, Brown, White}, "04", "100", "1% (F)", none, "400 Ом", "Ом");
    row("R4 zero value", R, 4, {Black, Black, White, Orange, White}, "00", "1000000000", "-", none, "0 Ом", "Ом");
    row("R5 brown black black brown brown", R, 5, {Brown, Black, Black, Brown, Brown}, "100", "10", "1% (F)", none,
        "1 кОм", "Ом");
    row("R5 all white", R, 5, {White, White, White, White, White}, "999", "1000000000", "+80% -20% (Z)", none,
        "999000 МОм", "Ом");
    row("C3 yellow violet yellow", C, 3, {Yellow, Violet, Yellow, Red, Red}, "47", "10000", "+-20%", "500v", "0,47 мкФ",
        "пФ");
    row("C4 brown black orange gold", C, 4, {Brown, Black, Orange, Gold, Red}, "10", "1000", "5% (J)", "50v", "10 нФ",
        "пФ");
    row("C4 brown black yellow silver", C, 4, {Brown, Black, Yellow, Silver, White}, "10", "10000", "10% (K)", "50v",
        "0,1 мкФ", "пФ");
    row("C5 yellow violet red brown red", C, 5, {Yellow, Violet, Red, Brown, Red}, "47", "100", "1% (F)", "20v",
        "4700 пФ", "пФ");
    row("C5 black voltage", C, 5, {Red, Red, Green, Gold, Black}, "22", "100000", "5% (J)", "-", "2,2 мкФ", "пФ");
    row("C5 grey tolerance keeps its blank", C, 5, {Red, Red, Black, Grey, Silver}, "22", "1", "30% (N); 0,1% ", "200v",
        "22 пФ", "пФ");
    row("L3 brown black red", L, 3, {Brown, Black, Red, Silver, White}, "10", "100", "20% (M)", none, "1 мГн", "мкГн");
    row("L4 yellow violet brown gold", L, 4, {Yellow, Violet, Brown, Gold, White}, "47", "10", "5% (J)", none,
        "470 мкГн", "мкГн");
    row("L4 brown black green silver", L, 4, {Brown, Black, Green, Silver, White}, "10", "100000", "10% (K)", none,
        "1 Гн", "мкГн");
    // Colours no table has: "?" for what they stand for.
    row("negative digit", R, 4, {-1, Red, Red, Gold, 0}, "?2", "100", "5% (J)", none, "?", "Ом");
    row("huge digit", R, 5, {Red, INT_MAX, Red, Red, Gold}, "2?2", "100", "5% (J)", none, "?", "Ом");
    row("multiplier 12", R, 4, {Red, Red, 12, Gold, 0}, "22", "?", "5% (J)", none, "?", "Ом");
    row("multiplier INT_MIN", L, 3, {Red, Red, INT_MIN, 0, 0}, "22", "?", "20% (M)", none, "?", "мкГн");
    // A tolerance or voltage the table lacks leaves the value computable.
    row("tolerance 12", R, 4, {Red, Red, Red, 12, 0}, "22", "100", "?", none, "2,2 кОм", "Ом");
    row("voltage -5", C, 5, {Red, Red, Red, Gold, -5}, "22", "100", "5% (J)", "?", "2200 пФ", "пФ");
    // Fixed texts do not look at the band at all.
    row("fixed texts", C, 3, {Red, Red, Red, 99, -99}, "22", "100", "+-20%", "500v", "2200 пФ", "пФ");
}

void TestEngine::results()
{
    QFETCH(ComponentKind, kind);
    QFETCH(int, count);
    QFETCH(Bands, bands);
    const Evaluation e = eval(kind, count, bands);
    QTEST(e.digits, "digits");
    QTEST(e.multiplier, "multiplier");
    QTEST(e.tolerance, "tolerance");
    QFETCH(QString, voltage);
    QCOMPARE(e.voltage.has_value(), !voltage.isNull());
    if (!voltage.isNull())
        QCOMPARE(*e.voltage, voltage);
    QTEST(e.value, "value");
    QTEST(e.unit, "unit");
}

void TestEngine::thresholds_data()
{
    QTest::addColumn<ComponentKind>("kind");
    QTest::addColumn<int>("count");
    QTest::addColumn<Bands>("bands");
    QTest::addColumn<QString>("value");

    // Resistor: 1000 and 1000000 ohm start the upper ranges.
    QTest::newRow("R 999") << R << 5 << Bands{White, White, White, Black, Brown} << "999 Ом";
    QTest::newRow("R 1000") << R << 5 << Bands{Brown, Black, Black, Brown, Brown} << "1 кОм";
    QTest::newRow("R 999000") << R << 5 << Bands{White, White, White, Orange, Brown} << "999 кОм";
    QTest::newRow("R 1000000") << R << 5 << Bands{Brown, Black, Black, Yellow, Brown} << "1 МОм";
    QTest::newRow("R smallest non-zero") << R << 4 << Bands{Black, Brown, Silver, Gold, Black} << "0,01 Ом";
    QTest::newRow("R largest") << R << 5 << Bands{White, White, White, White, Brown} << "999000 МОм";
    // Capacitor: 10000 pF starts nanofarads, 100000 pF microfarads.
    QTest::newRow("C 9900") << C << 4 << Bands{White, White, Red, Gold, Black} << "9900 пФ";
    QTest::newRow("C 10000") << C << 4 << Bands{Brown, Black, Orange, Gold, Black} << "10 нФ";
    QTest::newRow("C 99000") << C << 4 << Bands{White, White, Orange, Gold, Black} << "99 нФ";
    QTest::newRow("C 100000") << C << 4 << Bands{Brown, Black, Yellow, Gold, Black} << "0,1 мкФ";
    QTest::newRow("C smallest non-zero") << C << 3 << Bands{Black, Brown, Silver, Black, Black} << "0,01 пФ";
    QTest::newRow("C largest") << C << 5 << Bands{White, White, White, Gold, Brown} << "99000 мкФ";
    QTest::newRow("C zero") << C << 3 << Bands{Black, Black, White, Black, Black} << "0 пФ";
    // Inductor: 1000 and 1000000 uH.
    QTest::newRow("L 990") << L << 4 << Bands{White, White, Brown, Gold, Black} << "990 мкГн";
    QTest::newRow("L 1000") << L << 4 << Bands{Brown, Black, Red, Gold, Black} << "1 мГн";
    QTest::newRow("L 990000") << L << 4 << Bands{White, White, Yellow, Gold, Black} << "990 мГн";
    QTest::newRow("L 1000000") << L << 3 << Bands{Brown, Black, Green, Black, Black} << "1 Гн";
    QTest::newRow("L smallest non-zero") << L << 4 << Bands{Black, Brown, Silver, Silver, Black} << "0,01 мкГн";
    QTest::newRow("L largest") << L << 3 << Bands{White, White, White, Black, Black} << "99000 Гн";
}

void TestEngine::thresholds()
{
    QFETCH(ComponentKind, kind);
    QFETCH(int, count);
    QFETCH(Bands, bands);
    QTEST(eval(kind, count, bands).value, "value");
}

void TestEngine::unusedBandsHaveNoEffect()
{
    // Bands 4 and 5 of a three-band part, band 5 of a four-band resistor or
    // inductor; the fixed voltage texts ignore band 5 as well.
    for (int colour = 0; colour < colourCount; ++colour) {
        const Evaluation r3 = eval(R, 3, {Red, Red, Red, colour, colour});
        QCOMPARE(r3.value, QStringLiteral("2,2 кОм"));
        QCOMPARE(r3.tolerance, QStringLiteral("+-20%"));
        QCOMPARE(eval(R, 4, {Red, Red, Red, Gold, colour}).tolerance, QStringLiteral("5% (J)"));
        QCOMPARE(eval(C, 3, {Red, Red, Red, colour, colour}).voltage, QStringLiteral("500v"));
        QCOMPARE(eval(C, 4, {Red, Red, Red, Gold, colour}).voltage, QStringLiteral("50v"));
        QCOMPARE(eval(L, 4, {Red, Red, Red, Gold, colour}).value, QStringLiteral("2,2 мГн"));
    }
}

void TestEngine::locales()
{
    const Bands bands{Yellow, Violet, Red, Gold, Black};
    QCOMPARE(eval(R, 4, bands, russian).value, QStringLiteral("4,7 кОм"));
    QCOMPARE(eval(R, 4, bands, QLocale::c()).value, QStringLiteral("4.7 кОм"));
    QCOMPARE(eval(R, 4, {Yellow, Violet, Gold, Gold, Black}, QLocale::c()).multiplier, QStringLiteral("0.1"));

    // Locales that group digits (with a point, a blank, a comma) never do here.
    for (const QLocale &locale :
         {russian, QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::English, QLocale::UnitedStates),
          QLocale(QLocale::French, QLocale::France)}) {
        const Evaluation e = eval(R, 5, {White, White, White, White, White}, locale);
        QCOMPARE(e.multiplier, QStringLiteral("1000000000"));
        QCOMPARE(e.value, QStringLiteral("999000 МОм"));
        QCOMPARE(eval(C, 5, {White, White, White, White, White}, locale).value, QStringLiteral("99000 мкФ"));
        const Evaluation small = eval(R, 4, {Yellow, Violet, Silver, Black, Black}, locale);
        QCOMPARE(small.value, QString(QStringLiteral("0") + locale.decimalPoint() + QStringLiteral("47 Ом")));
    }
}

void TestEngine::digitBandWithoutDigit()
{
    // A five-band resistor whose third band still holds gold or silver.
    for (int colour : {Gold, Silver}) {
        const Evaluation e = eval(R, 5, {Brown, Black, colour, Red, Brown});
        QCOMPARE(e.digits, QStringLiteral("10?"));
        QCOMPARE(e.multiplier, QStringLiteral("100"));
        QCOMPARE(e.tolerance, QStringLiteral("1% (F)"));
        QCOMPARE(e.value, QStringLiteral("?"));
        QCOMPARE(e.unit, QStringLiteral("Ом"));
        QVERIFY(!e.voltage);
    }
    // Any digit position, any kind.
    QCOMPARE(eval(C, 4, {Gold, Red, Red, Gold, Black}).digits, QStringLiteral("?2"));
    QCOMPARE(eval(C, 4, {Gold, Red, Red, Gold, Black}).value, QStringLiteral("?"));
    QCOMPARE(eval(C, 4, {Gold, Red, Red, Gold, Black}).unit, QStringLiteral("пФ"));
    QCOMPARE(eval(L, 3, {Red, Silver, Red, Black, Black}).digits, QStringLiteral("2?"));
    QCOMPARE(eval(L, 3, {Red, Silver, Red, Black, Black}).unit, QStringLiteral("мкГн"));
}

void TestEngine::fiveBandInductorReadsAsFour()
{
    for (int colour : {-3, int(Black), int(Red), int(Silver), 40}) {
        const Evaluation e = eval(L, 5, {Yellow, Violet, Brown, Gold, colour});
        QCOMPARE(e.digits, QStringLiteral("47"));
        QCOMPARE(e.multiplier, QStringLiteral("10"));
        QCOMPARE(e.tolerance, QStringLiteral("5% (J)"));
        QCOMPARE(e.value, QStringLiteral("470 мкГн"));
        QVERIFY(!e.voltage);
    }
    // Counts the option group cannot give read as five bands.
    QCOMPARE(eval(R, 0, {Brown, Black, Black, Brown, Brown}).value, QStringLiteral("1 кОм"));
    QCOMPARE(eval(R, -7, {Brown, Black, Black, Brown, Brown}).digits, QStringLiteral("100"));
}

// What each kind and count offers, as the window's table of shown swatches
// gives it: the colours of each band (none where the component lacks it),
// whether five bands are offered, whether a rated voltage shows.
void TestEngine::bandRules_data()
{
    QTest::addColumn<ComponentKind>("kind");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("offers"); // bands 1 to 5: bit i for colour i
    QTest::addColumn<bool>("fiveBands");
    QTest::addColumn<bool>("voltage");
    const int digits = 0x3ff, all = 0xfff, goldSilver = 0xc00; // 0-9, 0-11, 10-11
    QTest::newRow("resistor, 3") << R << 3 << QList{digits, digits, all, 0, 0} << true << false;
    QTest::newRow("resistor, 4") << R << 4 << QList{digits, digits, all, all, 0} << true << false;
    QTest::newRow("resistor, 5") << R << 5 << QList{digits, digits, digits, all, all} << true << false;
    QTest::newRow("capacitor, 3") << C << 3 << QList{digits, digits, all, 0, 0} << true << true;
    QTest::newRow("capacitor, 4") << C << 4 << QList{digits, digits, all, all, 0} << true << true;
    QTest::newRow("capacitor, 5") << C << 5 << QList{digits, digits, digits, all, all} << true << true;
    QTest::newRow("inductor, 3") << L << 3 << QList{digits, digits, all, 0, 0} << false << false;
    QTest::newRow("inductor, 4") << L << 4 << QList{digits, digits, all, goldSilver, 0} << false << false;
}

void TestEngine::bandRules()
{
    QFETCH(ComponentKind, kind);
    QFETCH(int, count);
    QFETCH(QList<int>, offers);
    QFETCH(bool, fiveBands);
    QFETCH(bool, voltage);
    for (int band = 1; band <= maxBands; ++band) {
        const BandPosition &position = bandPosition(kind, count, band);
        for (int colour = -1; colour <= 16; ++colour)
            QCOMPARE(position.offersColour(colour), colour >= 0 && colour < 16 && (offers[band - 1] >> colour & 1));
        QCOMPARE(position.isBand(), offers[band - 1] != 0);
        QVERIFY(!position.isBand() || position.fixedText.isNull()); // a band is read, not fixed
    }
    QCOMPARE(kindRule(kind).maxCount == 5, fiveBands);
    QCOMPARE(hasVoltage(kind, count), voltage);
    QCOMPARE(eval(kind, count, {}).voltage.has_value(), voltage);
    QCOMPARE(bandPosition(kind, count, 0).isBand() || bandPosition(kind, count, 6).isBand(), false);
    // Choosing an inductor selects four bands, its fourth gold; the others
    // keep the count and every band.
    const KindRule &rule = kindRule(kind);
    QCOMPARE(std::tuple(rule.chosenCount, rule.chosenBand, rule.chosenColour),
             kind == L ? std::tuple(4, 4, int(Gold)) : std::tuple(0, 0, 0));
    for (int band = 1; band <= maxBands; ++band)
        QCOMPARE(paletteColourCount(band), band <= 2 ? 10 : 12);
}

void TestEngine::sweepEveryColourOfEveryConfiguration()
{
    struct Config
    {
        ComponentKind kind;
        int count;
        int digitBands;
        double threshold1, threshold2;
        const char16_t *units[3];
    };
    const Config configs[] = {
        {R, 3, 2, 1e3, 1e6, {u" Ом", u" кОм", u" МОм"}},  {R, 4, 2, 1e3, 1e6, {u" Ом", u" кОм", u" МОм"}},
        {R, 5, 3, 1e3, 1e6, {u" Ом", u" кОм", u" МОм"}},  {C, 3, 2, 1e4, 1e5, {u" пФ", u" нФ", u" мкФ"}},
        {C, 4, 2, 1e4, 1e5, {u" пФ", u" нФ", u" мкФ"}},   {C, 5, 2, 1e4, 1e5, {u" пФ", u" нФ", u" мкФ"}},
        {L, 3, 2, 1e3, 1e6, {u" мкГн", u" мГн", u" Гн"}}, {L, 4, 2, 1e3, 1e6, {u" мкГн", u" мГн", u" Гн"}},
    };
    const double factors[12] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 0.1, 0.01};
    const NumberText numbers(russian);

    long checked = 0;
    for (const Config &config : configs) {
        // Every position the count uses runs through all twelve colours.
        const int used = config.count;
        int combinations = 1;
        for (int i = 0; i < used; ++i)
            combinations *= colourCount;
        for (int n = 0; n < combinations; ++n) {
            Bands bands{Red, Red, Red, Red, Red};
            for (int i = 0, rest = n; i < used; ++i, rest /= colourCount)
                bands[static_cast<std::size_t>(i)] = rest % colourCount;
            const Evaluation e = evaluate({config.kind, config.count, bands}, numbers);

            QVERIFY(!e.multiplier.isEmpty() && !e.tolerance.isEmpty() && !e.unit.isEmpty());
            QCOMPARE(e.voltage.has_value(), config.kind == C);
            QCOMPARE(e.digits.size(), config.digitBands);

            double digits = 0;
            bool digitsKnown = true;
            for (int i = 0; i < config.digitBands; ++i) {
                const int colour = bands[static_cast<std::size_t>(i)];
                digitsKnown = digitsKnown && colour < 10;
                digits = digits * 10 + colour;
            }
            if (!digitsKnown) {
                QCOMPARE(e.value, QStringLiteral("?"));
                continue;
            }
            const double value = digits * factors[bands[static_cast<std::size_t>(config.digitBands)]];
            const int range = value < config.threshold1 ? 0 : value < config.threshold2 ? 1 : 2;
            const double shown = value / (range == 0 ? 1 : range == 1 ? 1e3 : 1e6);
            const QString unit = QString::fromUtf16(config.units[range]);
            const QString number = e.value.chopped(unit.size());
            if (!e.value.endsWith(unit) || number.contains(QChar::Nbsp) || number.contains(QLatin1Char(' ')))
                QFAIL(qPrintable(QStringLiteral("%1: %2 expected as the unit, no grouping").arg(e.value, unit)));
            const double read = *numbers.toNumber(number);
            if (std::abs(read - shown) > 1e-12 * std::max(1.0, shown))
                QFAIL(qPrintable(QStringLiteral("%1 shown for %2").arg(e.value).arg(value)));
            ++checked;
        }
    }
    // Positions with a digit colour: (10/12)^digits of every configuration.
    QCOMPARE(checked, 363600L);
}

QTEST_GUILESS_MAIN(TestEngine)
#include "tst_engine.moc"
