#pragma once

#include "bandrules.h"
#include "codetables.h"
#include "numbertext.h"

#include <QString>

#include <array>
#include <optional>

namespace zomar {

// What the user has chosen: the kind, the band count and a colour index per
// band (band 1 first). Any values are accepted: a count other than 3 or 4
// reads as 5, an inductor with five bands reads as one with four, and a
// colour that a table lacks shows as "?".
struct Selection
{
    ComponentKind kind = ComponentKind::Resistor;
    int bandCount = 5;
    std::array<int, maxBands> bands{White, White, White, White, White};
};

// The texts of the result fields.
struct Evaluation
{
    QString digits;                 // Result
    QString multiplier;             // Result2
    QString tolerance;              // Result3
    std::optional<QString> voltage; // Result4, capacitors only
    QString value;                  // R_Full
    QString unit;                   // Ed_Izm
};

// The base unit of a kind ("Ом", "пФ", "мкГн").
QString baseUnit(ComponentKind kind);

Evaluation evaluate(const Selection &selection, const NumberText &numbers);

} // namespace zomar
