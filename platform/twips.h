#pragma once

#include <QRect>

namespace zomar {

// The layout is measured in twips; 15 twips make one logical pixel (96 dpi).
// Qt scales logical pixels on high-dpi screens.
inline constexpr int twipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    // Round half away from zero, so that a position and the edge it shares
    // with a neighbour land on the same pixel.
    return twips >= 0 ? (twips + twipsPerPixel / 2) / twipsPerPixel : -((-twips + twipsPerPixel / 2) / twipsPerPixel);
}

// A rectangle in twips as pixels; the right and bottom edges are rounded as
// edges, so controls that touch in twips touch in pixels.
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    const int x = twipsToPixels(left);
    const int y = twipsToPixels(top);
    return QRect(x, y, twipsToPixels(left + width) - x, twipsToPixels(top + height) - y);
}

} // namespace zomar
