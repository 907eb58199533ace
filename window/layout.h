#pragma once

#include "bandrules.h"
#include "codetables.h"

#include <QRgb>
#include <QStringView>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zomar {

// The fixed layout of the window: every control with its place and looks.
// Positions and sizes are twips, relative to the control's container.

enum class ControlType {
    Label,   // a caption on the window's background
    Swatch,  // a palette swatch: a clickable area of colour
    Stripe,  // a band stripe on the picture of the component
    TextBox, // a result field
    OptionButton,
    Rectangle, // the body, the leads and the outline of the palette
    Frame,     // an option group
    CommandButton,
};

// The recurring combinations of background, text colour, font and alignment.
enum class Look {
    Toolkit,           // the toolkit's own (the exit button)
    Group,             // teal frame
    YellowBold,        // yellow bold sans on teal, left-aligned
    YellowBoldCentred, // the same, centred
    YellowBoldOnGrey,  // yellow bold sans on dark grey
    YellowPlain,       // yellow plain font on teal
    ResultBox,         // black bold arial on light grey
};

struct LayoutItem
{
    std::string name;
    ControlType type = ControlType::Label;
    const char *container = nullptr; // a frame's name, or none for the window
    QStringView caption;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    Look look = Look::YellowBold;
    std::optional<QRgb> fill;   // swatches, stripes and rectangles
    QRgb outline = 0;           // rectangles
    int band = 0;               // swatches and stripes: 1..5
    int colour = -1;            // swatches: the colour index
    QStringView accessibleName; // result fields and groups: what a screen reader calls them
};

// The window's client area in twips.
inline constexpr int clientWidth = 6612;
inline constexpr int clientHeight = 6096;

// Colours that recur in the layout.
inline constexpr QRgb teal = qRgb(0, 64, 64);
inline constexpr QRgb yellow = qRgb(255, 255, 0);
inline constexpr QRgb lightGrey = qRgb(192, 192, 192);
inline constexpr QRgb darkGrey = qRgb(64, 64, 64);

// One row of the palette per colour index.
struct PaletteColour
{
    const char *nameLabel; // the label that names the row
    QStringView caption;   // its caption
    QStringView fullName;  // the name read out to those who cannot see it
    QRgb rgb;              // the swatch's colour
};
extern const std::array<PaletteColour, colourCount> paletteColours;

// All controls, front to back: a control lies in front of every later one it
// overlaps, within its own layer (windowed controls over labels and shapes).
const std::vector<LayoutItem> &layoutControls();

} // namespace zomar
