#include "codetables.h"

namespace zomar {

namespace {

template<typename Table>
std::optional<typename Table::value_type> lookUp(const Table &table, int colour)
{
    if (colour < 0 || static_cast<std::size_t>(colour) >= table.size())
        return std::nullopt;
    return table[static_cast<std::size_t>(colour)];
}

} // namespace

std::optional<int> digitOf(int colour)
{
    return lookUp(DigitTable, colour);
}

std::optional<double> multiplierOf(int colour)
{
    return lookUp(MultiplierTable, colour);
}

std::optional<QString> toleranceOf(int colour)
{
    if (auto text = lookUp(ToleranceTable, colour))
        return text->toString();
    return std::nullopt;
}

std::optional<QString> voltageOf(int colour)
{
    if (auto text = lookUp(VoltageTable, colour))
        return text->toString();
    return std::nullopt;
}

} // namespace zomar
