#include "numbertext.h"

namespace zomar {

namespace {
constexpr int significantDigits = 15;
}

NumberText::NumberText(const QLocale &locale) : m_decimal(locale.decimalPoint())
{
    if (m_decimal.isEmpty())
        m_decimal = QStringLiteral(".");
}

// Written by the C locale, which has the digits 0-9 and no grouping, with
// the user's decimal separator put in place of its point.
QString NumberText::toText(double value) const
{
    QString text = QLocale::c().toString(value, 'g', significantDigits);
    text.replace(QLatin1Char('.'), m_decimal);
    return text;
}

QString NumberText::toText(int value) const
{
    return QString::number(value);
}

std::optional<double> NumberText::toNumber(const QString &text) const
{
    // A point is the C locale's separator, not this locale's: only the
    // locale's own separator is read as one.
    if (m_decimal != QLatin1String(".") && text.contains(QLatin1Char('.')))
        return std::nullopt;
    QString c = text;
    c.replace(m_decimal, QStringLiteral("."));
    bool ok = false;
    const double value = QLocale::c().toDouble(c, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace zomar
