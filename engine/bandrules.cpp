#include "bandrules.h"

#include "codetables.h"

#include <bit>

namespace zomar {

namespace {

constexpr ColourSet digitColours = (1 << digitColourCount) - 1; // black to white
constexpr ColourSet allColours = (1 << colourCount) - 1;        // and gold and silver
constexpr ColourSet goldAndSilver = allColours & ~digitColours; // no digit

constexpr BandPosition digit{BandRole::Digit, {}, digitColours};
constexpr BandPosition multiplier{BandRole::Multiplier, {}, allColours};
constexpr BandPosition tolerance{BandRole::Tolerance, {}, allColours};
constexpr BandPosition voltage{BandRole::Voltage, {}, allColours};
constexpr BandPosition unused{};

// Band 3 offers gold and silver with three and four bands only: at five it
// offers the digits also where it reads as a multiplier (a capacitor's).
constexpr BandPosition digitsMultiplier{BandRole::Multiplier, {}, digitColours};
// A band the component lacks, read as a fixed text.
constexpr BandPosition fixedTolerance(QStringView text)
{
    return {BandRole::Tolerance, text, 0};
}
constexpr BandPosition fixedVoltage(QStringView text)
{
    return {BandRole::Voltage, text, 0};
}

constexpr Configuration resistor3{digit, digit, multiplier, fixedTolerance(u"+-20%"), unused};
constexpr Configuration resistor4{digit, digit, multiplier, tolerance, unused};
constexpr Configuration resistor5{digit, digit, digit, multiplier, tolerance};
constexpr Configuration inductor3{digit, digit, multiplier, fixedTolerance(u"20% (M)"), unused};
// An inductor's tolerance band is gold or silver.
constexpr Configuration inductor4{digit, digit, multiplier, {BandRole::Tolerance, {}, goldAndSilver}, unused};
constexpr Configuration capacitor3{digit, digit, multiplier, fixedTolerance(u"+-20%"), fixedVoltage(u"500v")};
constexpr Configuration capacitor4{digit, digit, multiplier, tolerance, fixedVoltage(u"50v")};
constexpr Configuration capacitor5{digit, digit, digitsMultiplier, tolerance, voltage};

// Resistors and capacitors come with 3, 4 or 5 bands; an inductor with 3 or
// 4, and choosing it selects four, its fourth gold.
constexpr std::array<KindRule, 3> kindRules{KindRule{}, KindRule{}, KindRule{4, 4, 4, Gold}}; // by kind

} // namespace

const Configuration &configuration(ComponentKind kind, int bandCount)
{
    switch (kind) {
    case ComponentKind::Capacitor:
        return bandCount == 3 ? capacitor3 : bandCount == 4 ? capacitor4 : capacitor5;
    case ComponentKind::Inductor:
        return bandCount == 3 ? inductor3 : inductor4;
    case ComponentKind::Resistor:
        break;
    }
    return bandCount == 3 ? resistor3 : bandCount == 4 ? resistor4 : resistor5;
}

const BandPosition &bandPosition(ComponentKind kind, int bandCount, int band)
{
    if (band < 1 || band > maxBands)
        return unused;
    return configuration(kind, bandCount)[static_cast<std::size_t>(band - 1)];
}

bool hasVoltage(ComponentKind kind, int bandCount)
{
    for (const BandPosition &position : configuration(kind, bandCount)) {
        if (position.role == BandRole::Voltage)
            return true;
    }
    return false;
}

int paletteColourCount(int band)
{
    if (band < 1 || band > maxBands)
        return 0;
    ColourSet offered = 0;
    for (const Configuration *c :
         {&resistor3, &resistor4, &resistor5, &inductor3, &inductor4, &capacitor3, &capacitor4, &capacitor5})
        offered |= (*c)[static_cast<std::size_t>(band - 1)].offers;
    return std::bit_width(offered);
}

const KindRule &kindRule(ComponentKind kind)
{
    const auto k = static_cast<std::size_t>(kind);
    return k < kindRules.size() ? kindRules[k] : kindRules[0]; // any other value reads as a resistor
}

} // namespace zomar
