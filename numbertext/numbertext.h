#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace zomar {

// Numbers to text and back by the rules of one locale: general format with at
// most 15 significant digits, no trailing zeros, no digit grouping, the
// locale's decimal separator and the digits 0-9 in every locale, so that one
// panel never mixes two digit systems.
class NumberText
{
public:
    explicit NumberText(const QLocale &locale = QLocale::system());

    QString toText(double value) const;
    QString toText(int value) const;

    // The number a text written by toText() stands for; nothing when the text
    // is not a number in this locale.
    std::optional<double> toNumber(const QString &text) const;

private:
    QString m_decimal; // the locale's decimal separator
};

} // namespace zomar
