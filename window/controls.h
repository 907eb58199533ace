#pragma once

#include "codetables.h"
#include "evaluator.h"

#include <QString>
#include <QStringView>

#include <array>

class QLabel;
class QPushButton;
class QWidget;

namespace zomar {

class ColourLabel;
class ColourSwatch;
class OptionButton;
class ResultBox;

// The controls of the window that its code works with, by layout name, as
// Qt Designer's setupUi() makes a form's: every control of the layout is
// made, placed, stacked and dressed on the window, and those named here
// are recorded as they are made.
struct Controls
{
    ResultBox *Result = nullptr;
    ResultBox *Result2 = nullptr;
    ResultBox *Result3 = nullptr;
    ResultBox *Result4 = nullptr;
    ResultBox *R_Full = nullptr;
    ResultBox *Ed_Izm = nullptr;
    QLabel *Result4_Txt = nullptr;
    QLabel *Lab_4 = nullptr;
    QLabel *Lab_5 = nullptr;
    OptionButton *Op_R = nullptr;
    OptionButton *Op_C = nullptr;
    OptionButton *Op_G = nullptr;
    OptionButton *L3_En = nullptr;
    OptionButton *L4_En = nullptr;
    OptionButton *L5_En = nullptr;
    QPushButton *Exit_Btn = nullptr;

    // Makes the layout on the window. A control named above, a swatch or a
    // stripe that the layout lacks stops the program.
    void setupUi(QWidget *window);

    // Shows what the window offers for a kind and band count, hides the
    // rest, and selects their options: the one rule of what is shown.
    void offer(ComponentKind kind, int bandCount);

    std::array<OptionButton *, 3> kindOptions() const; // by ComponentKind
    OptionButton *countOption(int count) const;        // L<count>_En
    ColourSwatch *swatch(int band, int colour) const;  // L<band>_<colour>
    ColourLabel *stripe(int band) const;               // Line<band>

private:
    std::array<std::array<ColourSwatch *, colourCount>, maxBands> swatches{};
    std::array<ColourLabel *, maxBands> stripes{};
};
// A colour's name as it is read out ("Коричневый", where the palette's
// caption is "Коричнев.").
QStringView colourName(int colour);

// What a screen reader says of a stripe: its band's colour now.
QString stripeText(int band, int colour);

} // namespace zomar
