#include "platform/fonts.h"

#include <QStringList>

namespace zomar {

namespace {

QFont makeFont(const QString &face, qreal pointSize, QFont::Weight weight)
{
    QFont font;
    font.setFamilies({face, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    return font;
}

} // namespace

QFont boldSansFont()
{
    return makeFont(QStringLiteral("MS Sans Serif"), 7.8, QFont::Bold);
}

QFont boldArialFont()
{
    return makeFont(QStringLiteral("Arial"), 9, QFont::Bold);
}

QFont plainFont()
{
    return makeFont(QStringLiteral("MS Sans Serif"), 8, QFont::Normal);
}

} // namespace zomar
