#pragma once

#include "engine/evaluator.h"
#include "platform/numbertext.h"

#include <QWidget>

#include <array>

class QApplication;
class QLabel;
class QPushButton;

namespace zomar {

class ColorLabel;
class ColorSwatch;
class OptionButton;
class ResultBox;

// The one window: the picture of the component, the palette of band colours,
// the two option groups and the result fields.
class Zomar : public QWidget {
    Q_OBJECT
public:
    explicit Zomar(NumberText numbers = NumberText(), QWidget *parent = nullptr);

    // Name, version, style, palette, Qt's Russian texts and icon of the
    // application; call once before the window is created.
    static void prepareApplication(QApplication &app);

    // The selected colour index of band 1..5.
    int bandIndex(int band) const { return BandIndex.at(static_cast<std::size_t>(band - 1)); }

    // The number of evaluations so far.
    int evaluationCount() const { return m_evaluations; }

    // Event handlers.
    void Form_Load();
    void Palette_Click(int band, int colour);
    void L3_En_Click();
    void L4_En_Click();
    void L5_En_Click();
    void Op_R_Click();
    void Op_C_Click();
    void Op_G_Click();
    void Exit_Btn_Click();

    // Writes the result fields from the current selection.
    void Tabl();

private:
    void createControls();
    void connectHandlers();
    ColorSwatch *swatch(int band, int colour) const;
    ColorLabel *stripe(int band) const;
    void paintBand(int band, int colour);
    void setSwatchesVisible(int band, int from, int to, bool visible);
    void Op_RC_Click(bool capacitor);

    NumberText m_numbers;
    std::array<int, maxBands> BandIndex{};
    int m_evaluations = 0;

    std::array<std::array<ColorSwatch *, colourCount>, maxBands> m_swatches{};
    std::array<ColorLabel *, maxBands> m_stripes{};

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
};

} // namespace zomar
