#pragma once

#include <QFont>

namespace zomar {

// The layout's sizes are meant for 96 dpi. Where Qt's scaling is off, a
// desktop of another logical dpi would grow fonts and the style's parts but
// not the controls; sizes multiplied by this factor keep their pixels (it
// is 1 at 96 dpi and under Qt's scaling, which keeps the logical dpi at 96).
qreal layoutDpiFactor();

// The three fonts of the window. Each names the face the layout was drawn
// with and, where a platform lacks it, metric-compatible stand-ins that
// carry Cyrillic. Sizes are the layout's, at 96 dpi.
QFont boldSansFont();  // "MS Sans Serif" 7.8 pt bold
QFont boldArialFont(); // "Arial" 9 pt bold
QFont plainFont();     // "MS Sans Serif" 8 pt regular

// The font, condensed as far as needed (to 60 % at most) for the text to fit
// in room pixels: a stand-in face wider than the original keeps every
// caption whole in its fixed-size control.
QFont condensedToFit(QFont font, const QString &text, int room);

} // namespace zomar
