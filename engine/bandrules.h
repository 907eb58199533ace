#pragma once

#include <QStringView>

#include <array>
#include <cstdint>

namespace zomar {

// The rules of the colour code's bands, said once: which bands a kind of
// component has with a band count, what each band's position means, which
// colours each band offers, and what choosing a kind brings with it. The
// evaluator reads the positions, the window offers what they allow.

enum class ComponentKind { Resistor, Capacitor, Inductor };

inline constexpr int maxBands = 5;
inline constexpr int minBands = 3;

// A set of colour indices: bit i for colour i.
using ColourSet = std::uint16_t;

// The meaning of one band position in a configuration.
enum class BandRole { Unused, Digit, Multiplier, Tolerance, Voltage };

struct BandPosition
{
    BandRole role = BandRole::Unused;
    QStringView fixedText; // stands in for a band the component lacks
    ColourSet offers = 0;  // the colours the band offers; none where there is no band

    constexpr bool isBand() const { return offers != 0; }
    constexpr bool offersColour(int colour) const { return colour >= 0 && colour < 16 && (offers >> colour & 1); }
};

using Configuration = std::array<BandPosition, maxBands>;

// The band positions for a kind and count. Any values are accepted: a count
// other than 3 or 4 reads as 5, an inductor with five bands as one with four.
const Configuration &configuration(ComponentKind kind, int bandCount);

// The position of band 1..5 in a configuration; a band outside them is none.
const BandPosition &bandPosition(ComponentKind kind, int bandCount, int band);

// Whether a component of that kind and count has a rated voltage to show.
bool hasVoltage(ComponentKind kind, int bandCount);

// The most swatches a band has: the colours it offers in any configuration
// (bands 1 and 2: 0..9; bands 3 to 5: 0..11).
int paletteColourCount(int band);

// What choosing a kind brings with it.
struct KindRule
{
    int maxCount = maxBands; // the band counts it comes with: 3 up to this
    int chosenCount = 0;     // the count that choosing it selects; 0 keeps the count
    int chosenBand = 0;      // the band that choosing it sets (0: none) ...
    int chosenColour = 0;    // ... to this colour
};

const KindRule &kindRule(ComponentKind kind);

} // namespace zomar
