// Writes the keyboard-only scenario of the desktop test: from the window as
// it opens, the keys that visit every kind and band count, and in each
// every colour every band offers (Ctrl and the band's number), one step a
// line: the keys, then the six result fields' texts the engine gives for
// the state they lead to (Result, Ed_Izm, Result2, R_Full, Result3, and
// Result4 or nothing where it is hidden), tab-separated. Numbers are written
// as in Russian, or in the locale named on the command line (as "en-US").
#include "bandrules.h"
#include "evaluator.h"

#include <QLocale>
#include <QTextStream>

using namespace zomar;

int main(int argc, char *argv[])
{
    QTextStream out(stdout);
    const NumberText numbers(argc > 1 ? QLocale(QString::fromLocal8Bit(argv[1]))
                                      : QLocale(QLocale::Russian, QLocale::Russia));
    Selection state;
    const auto step = [&](const QString &keys) {
        const Evaluation e = evaluate(state, numbers);
        out << keys << '\t' << e.digits << '\t' << e.unit << '\t' << e.multiplier << '\t' << e.value << '\t'
            << e.tolerance << '\t' << e.voltage.value_or(QString()) << '\n';
    };
    // The focus starts on the kind group; each move is the keys to a kind and
    // count from the one before (Tab, Shift+Tab between the groups).
    struct Move
    {
        const char *keys;
        ComponentKind kind;
        int count;
    };
    const Move moves[] = {{"", ComponentKind::Resistor, 5},
                          {"Tab Left", ComponentKind::Resistor, 4},
                          {"Left", ComponentKind::Resistor, 3},
                          {"shift+Tab Down", ComponentKind::Capacitor, 3},
                          {"Tab Right", ComponentKind::Capacitor, 4},
                          {"Right", ComponentKind::Capacitor, 5},
                          {"shift+Tab Down", ComponentKind::Inductor, 4},
                          {"Tab Left", ComponentKind::Inductor, 3}};
    for (const Move &move : moves) {
        if (*move.keys) {
            if (move.kind != state.kind) {
                const KindRule &rule = kindRule(move.kind);
                if (rule.chosenBand)
                    state.bands[static_cast<std::size_t>(rule.chosenBand - 1)] = rule.chosenColour;
            }
            state.kind = move.kind;
            state.bandCount = move.count;
            step(QString::fromLatin1(move.keys));
        }
        for (int band = 1; band <= maxBands; ++band) {
            const BandPosition &position = bandPosition(state.kind, state.bandCount, band);
            int &colour = state.bands[static_cast<std::size_t>(band - 1)];
            for (int offered = 0; offered < colourCount; ++offered) {
                if (!position.offersColour(offered))
                    continue;
                do
                    colour = (colour + 1) % colourCount;
                while (!position.offersColour(colour));
                step(QStringLiteral("ctrl+%1").arg(band));
            }
        }
    }
    return 0;
}
