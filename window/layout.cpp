#include "layout.h"

#include <cstdio>
#include <string>

namespace zomar {

const std::array<PaletteColour, colourCount> paletteColours{{
    {"Label11", u"Черный", u"Черный", qRgb(0, 0, 0)},
    {"Label10", u"Коричнев.", u"Коричневый", qRgb(128, 64, 64)},
    {"Label9", u"Красный", u"Красный", qRgb(255, 0, 0)},
    {"Label8", u"Оранжев.", u"Оранжевый", qRgb(255, 128, 0)},
    {"Label7", u"Желтый", u"Желтый", qRgb(255, 255, 0)},
    {"Label6", u"Зеленый", u"Зеленый", qRgb(0, 192, 0)},
    {"Label5", u"Голубой", u"Голубой", qRgb(0, 192, 192)},
    {"Label4", u"Фиолет.", u"Фиолетовый", qRgb(255, 0, 255)},
    {"Label3", u"Серый", u"Серый", qRgb(128, 128, 128)},
    {"Label2", u"Белый", u"Белый", qRgb(255, 255, 255)},
    {"Label12", u"Золотой", u"Золотой", qRgb(255, 192, 128)},
    {"Label13", u"Серебр.", u"Серебряный", qRgb(192, 192, 192)},
}};

namespace {

using enum ControlType;
using enum Look;

// Palette grid: column k at 3360 + 480 (k - 1); white at the top row down to
// black, then gold and silver.
constexpr int paletteLeft = 3360;
constexpr int paletteTop = 1680;
constexpr int columnStep = 480;
constexpr int rowStep = 360;
constexpr int swatchSize = 255;
constexpr int nameLeft = 5640;

constexpr int paletteRow(int colour)
{
    return colour < digitColourCount ? White - colour : colour;
}

// The three swatches that stand off the grid.
struct OffGrid
{
    int band, colour, left, top;
};
constexpr OffGrid offGrid[] = {
    {1, Red, paletteLeft, 4215},
    {2, Violet, 3870, paletteTop + paletteRow(Violet) * rowStep},
    {3, Gold, 4305, paletteTop + paletteRow(Gold) * rowStep},
};

template<typename... Numbers>
std::string numbered(const char *pattern, Numbers... numbers)
{
    char name[32];
    std::snprintf(name, sizeof name, pattern, numbers...);
    return name;
}

LayoutItem swatch(int band, int colour)
{
    LayoutItem s{.name = numbered("L%d_%d", band, colour),
                 .type = Swatch,
                 .left = paletteLeft + columnStep * (band - 1),
                 .top = paletteTop + rowStep * paletteRow(colour),
                 .width = swatchSize,
                 .height = swatchSize,
                 .fill = paletteColours[static_cast<std::size_t>(colour)].rgb,
                 .band = band,
                 .colour = colour};
    for (const OffGrid &o : offGrid) {
        if (o.band == band && o.colour == colour) {
            s.left = o.left;
            s.top = o.top;
        }
    }
    return s;
}

LayoutItem stripe(int band, int left, int top)
{
    return {.name = numbered("Line%d", band),
            .type = Stripe,
            .left = left,
            .top = top,
            .width = 255,
            .height = 975,
            .fill = qRgb(255, 255, 255),
            .band = band};
}

std::vector<LayoutItem> build()
{
    std::vector<LayoutItem> list = {
        {.name = "Ed_Izm",
         .type = TextBox,
         .left = 840,
         .top = 2715,
         .width = 405,
         .height = 270,
         .look = ResultBox,
         .accessibleName = u"Единица номинала"},
        {.name = "Result4",
         .type = TextBox,
         .left = 225,
         .top = 4635,
         .width = 1575,
         .height = 285,
         .look = ResultBox,
         .accessibleName = u"Напряжение"},
        {.name = "Result3",
         .type = TextBox,
         .left = 225,
         .top = 4035,
         .width = 1575,
         .height = 285,
         .look = ResultBox,
         .accessibleName = u"Допуск"},
        {.name = "Result2",
         .type = TextBox,
         .left = 1440,
         .top = 2730,
         .width = 1215,
         .height = 270,
         .look = ResultBox,
         .accessibleName = u"Множитель"},
        {.name = "Result",
         .type = TextBox,
         .left = 240,
         .top = 2715,
         .width = 570,
         .height = 270,
         .look = ResultBox,
         .accessibleName = u"Цифры номинала"},

        {.name = "Frame1",
         .type = Frame,
         .left = 120,
         .top = 1560,
         .width = 2655,
         .height = 855,
         .look = Group,
         .accessibleName = u"Кол-во полос"},
        {.name = "L5_En",
         .type = OptionButton,
         .container = "Frame1",
         .caption = u"5",
         .left = 1800,
         .top = 480,
         .width = 495,
         .height = 255},
        {.name = "L4_En",
         .type = OptionButton,
         .container = "Frame1",
         .caption = u"4",
         .left = 975,
         .top = 480,
         .width = 495,
         .height = 255},
        {.name = "L3_En",
         .type = OptionButton,
         .container = "Frame1",
         .caption = u"3",
         .left = 120,
         .top = 480,
         .width = 495,
         .height = 255},
        {.name = "Label1",
         .container = "Frame1",
         .caption = u"Кол-во полос",
         .left = 120,
         .top = 150,
         .width = 2415,
         .height = 255,
         .look = YellowBoldOnGrey},

        {.name = "Exit_Btn",
         .type = CommandButton,
         .caption = u"Exit",
         .left = 120,
         .top = 5640,
         .width = 735,
         .height = 375,
         .look = Toolkit},

        {.name = "Frame2",
         .type = Frame,
         .left = 120,
         .top = 0,
         .width = 2655,
         .height = 1575,
         .look = Group,
         .accessibleName = u"Элемент"},
        {.name = "Op_G",
         .type = OptionButton,
         .container = "Frame2",
         .caption = u"Индуктивность",
         .left = 360,
         .top = 1200,
         .width = 2175,
         .height = 255},
        {.name = "Op_C",
         .type = OptionButton,
         .container = "Frame2",
         .caption = u"Емкость",
         .left = 360,
         .top = 840,
         .width = 2175,
         .height = 255},
        {.name = "Op_R",
         .type = OptionButton,
         .container = "Frame2",
         .caption = u"Сопротивление",
         .left = 360,
         .top = 480,
         .width = 2175,
         .height = 255},
        {.name = "Label23",
         .container = "Frame2",
         .caption = u"Элемент",
         .left = 120,
         .top = 150,
         .width = 1215,
         .height = 255},

        {.name = "R_Full",
         .type = TextBox,
         .left = 240,
         .top = 3315,
         .width = 2415,
         .height = 285,
         .look = ResultBox,
         .accessibleName = u"Номинал с единицей"},
        {.name = "Result4_Txt", .caption = u"Напряж.", .left = 225, .top = 4425, .width = 1575, .height = 255},
        {.name = "Label16", .caption = u"Допуск + -", .left = 225, .top = 3825, .width = 1575, .height = 255},
        {.name = "Label22",
         .caption = u"то есть",
         .left = 216,
         .top = 3108,
         .width = 2436,
         .height = 240,
         .look = YellowBoldCentred},
        {.name = "Label17",
         .caption = u"x",
         .left = 1260,
         .top = 2775,
         .width = 165,
         .height = 225,
         .look = YellowBoldCentred},
        {.name = "Label15", .caption = u"Множитель", .left = 1440, .top = 2520, .width = 1215, .height = 255},
        {.name = "Label14", .caption = u"Номинал", .left = 240, .top = 2520, .width = 975, .height = 255},
        {.name = "Label21",
         .caption = u"№ полос",
         .left = 5640,
         .top = 240,
         .width = 735,
         .height = 255,
         .look = YellowPlain},
        {.name = "Lab_5",
         .caption = u"5",
         .left = 5280,
         .top = 240,
         .width = 255,
         .height = 255,
         .look = YellowBoldCentred},
        {.name = "Lab_4",
         .caption = u"4",
         .left = 4800,
         .top = 240,
         .width = 255,
         .height = 255,
         .look = YellowBoldCentred},
        {.name = "Label20",
         .caption = u"3",
         .left = 4320,
         .top = 240,
         .width = 255,
         .height = 255,
         .look = YellowBoldCentred},
        {.name = "Label19",
         .caption = u"2",
         .left = 3840,
         .top = 240,
         .width = 255,
         .height = 255,
         .look = YellowBoldCentred},
        {.name = "Label18",
         .caption = u"1",
         .left = 3360,
         .top = 240,
         .width = 255,
         .height = 255,
         .look = YellowBoldCentred},

        {.name = "Shape3",
         .type = Rectangle,
         .left = 2880,
         .top = 120,
         .width = 3615,
         .height = 5895,
         .outline = qRgb(0, 128, 0)},
    };

    // Colour names, silver's row first, as the layout stacks them.
    for (int colour : {Silver, Gold, Black, Brown, Red, Orange, Yellow, Green, LightBlue, Violet, Grey, White}) {
        const PaletteColour &c = paletteColours[static_cast<std::size_t>(colour)];
        list.push_back({.name = c.nameLabel,
                        .caption = c.caption,
                        .left = nameLeft,
                        .top = paletteTop + rowStep * paletteRow(colour),
                        .width = 855,
                        .height = swatchSize,
                        .look = YellowPlain});
    }

    for (int band = 5; band >= 1; --band) {
        if (paletteColourCount(band) == colourCount) {
            list.push_back(swatch(band, Silver));
            list.push_back(swatch(band, Gold));
        }
        for (int colour = Black; colour < digitColourCount; ++colour)
            list.push_back(swatch(band, colour));
    }

    list.push_back(stripe(5, 5265, 600));
    list.push_back(stripe(4, 4800, 600));
    list.push_back(stripe(3, 4320, 615));
    list.push_back(stripe(2, 3840, 600));
    list.push_back(stripe(1, 3360, 600));

    list.push_back({.name = "Shape1",
                    .type = Rectangle,
                    .left = 3240,
                    .top = 720,
                    .width = 2655,
                    .height = 735,
                    .fill = qRgb(128, 128, 0),
                    .outline = qRgb(192, 192, 0)});
    list.push_back({.name = "Shape2_1",
                    .type = Rectangle,
                    .left = 3000,
                    .top = 1005,
                    .width = 375,
                    .height = 135,
                    .fill = qRgb(128, 128, 128),
                    .outline = qRgb(64, 64, 64)});
    list.push_back({.name = "Shape2_0",
                    .type = Rectangle,
                    .left = 5640,
                    .top = 1005,
                    .width = 615,
                    .height = 135,
                    .fill = qRgb(128, 128, 128),
                    .outline = qRgb(64, 64, 64)});
    return list;
}

} // namespace

const std::vector<LayoutItem> &layoutControls()
{
    static const std::vector<LayoutItem> list = build();
    return list;
}

} // namespace zomar
