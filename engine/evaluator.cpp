#include "evaluator.h"

namespace zomar {

namespace {

// The value is written in the base unit below threshold1, in thousands of it
// from threshold1 and in millions from threshold2.
struct Scale
{
    QStringView base;
    double threshold1;
    double threshold2;
    std::array<QStringView, 3> units;
};

constexpr Scale resistorScale{u"Ом", 1e3, 1e6, {u" Ом", u" кОм", u" МОм"}};
constexpr Scale capacitorScale{u"пФ", 1e4, 1e5, {u" пФ", u" нФ", u" мкФ"}};
constexpr Scale inductorScale{u"мкГн", 1e3, 1e6, {u" мкГн", u" мГн", u" Гн"}};

const Scale &scaleOf(ComponentKind kind)
{
    switch (kind) {
    case ComponentKind::Capacitor:
        return capacitorScale;
    case ComponentKind::Inductor:
        return inductorScale;
    case ComponentKind::Resistor:
        break;
    }
    return resistorScale;
}

const QString unknown = QStringLiteral("?");

// The value text with its unit, scaled by the kind's table. The text of the
// unscaled product is kept as it stands in the lowest range.
QString scaled(const QString &productText, double value, const Scale &scale, const NumberText &numbers)
{
    if (value < scale.threshold1)
        return productText + scale.units[0].toString();
    if (value < scale.threshold2)
        return numbers.toText(value / 1e3) + scale.units[1].toString();
    return numbers.toText(value / 1e6) + scale.units[2].toString();
}

} // namespace

QString baseUnit(ComponentKind kind)
{
    return scaleOf(kind).base.toString();
}

Evaluation evaluate(const Selection &selection, const NumberText &numbers)
{
    const Configuration &bands = configuration(selection.kind, selection.bandCount);
    Evaluation out;
    bool digitsKnown = true;
    double digitsValue = 0;
    std::optional<double> factor;

    for (std::size_t i = 0; i < bands.size(); ++i) {
        const BandPosition &position = bands[i];
        const int colour = selection.bands[i];
        const auto fixedOr = [&](std::optional<QString> (*lookUp)(int)) {
            if (!position.fixedText.isNull())
                return position.fixedText.toString();
            return lookUp(colour).value_or(unknown);
        };
        switch (position.role) {
        case BandRole::Digit:
            if (const auto d = digitOf(colour)) {
                out.digits += numbers.toText(*d);
                digitsValue = digitsValue * 10 + *d;
            } else {
                out.digits += unknown;
                digitsKnown = false;
            }
            break;
        case BandRole::Multiplier:
            factor = multiplierOf(colour);
            out.multiplier = factor ? numbers.toText(*factor) : unknown;
            break;
        case BandRole::Tolerance:
            out.tolerance = fixedOr(toleranceOf);
            break;
        case BandRole::Voltage:
            out.voltage = fixedOr(voltageOf);
            break;
        case BandRole::Unused:
            break;
        }
    }

    const Scale &scale = scaleOf(selection.kind);
    out.unit = scale.base.toString();
    out.value = unknown;
    if (digitsKnown && factor) {
        // The product goes out to text and is read back, as the field shows
        // it: 47 x 0.1 reads 4,7 rather than 4,7000000000000002. The digits
        // and the factor need no such trip: their texts read back exactly.
        const QString product = numbers.toText(digitsValue * *factor);
        if (const auto v = numbers.toNumber(product))
            out.value = scaled(product, *v, scale, numbers);
    }
    return out;
}

} // namespace zomar
