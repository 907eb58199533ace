#include "platform/numbertext.h"

namespace zomar {

namespace {
constexpr int significantDigits = 15;
}

NumberText::NumberText(QLocale locale) : m_locale(std::move(locale))
{
    m_locale.setNumberOptions(QLocale::OmitGroupSeparator);
}

QString NumberText::toText(double value) const
{
    return m_locale.toString(value, 'g', significantDigits);
}

QString NumberText::toText(int value) const
{
    return m_locale.toString(value);
}

std::optional<double> NumberText::toNumber(const QString &text) const
{
    bool ok = false;
    const double value = m_locale.toDouble(text, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace zomar
