#pragma once

#include "controls.h"

#include "evaluator.h"
#include "numbertext.h"

#include <QWidget>

class QAction;
class QMenu;

#include <array>

namespace zomar {

class Announcer;

// The one window: the picture of the component, the palette of band colours,
// the two option groups and the result fields.
class Zomar : public QWidget
{
    Q_OBJECT
public:
    explicit Zomar(NumberText numbers = NumberText(), QWidget *parent = nullptr);

    // The selected colour index of band 1..5.
    int bandIndex(int band) const { return m_selection.bands.at(static_cast<std::size_t>(band - 1)); }

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

    // A band's colour chosen by the keyboard: the next (1) or previous (-1)
    // colour it offers, chosen as a click on its swatch chooses it.
    void stepBand(int band, int step);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void connectHandlers();
    void makeBandShortcuts();
    void addBandMenus(QMenu *menu);
    void paintBand(int band, int colour);
    void chooseBandCount(int count);
    void chooseKind(ComponentKind kind);

    NumberText m_numbers;
    // The window's state: the kind, the band count, and the colour index of
    // each band (BandIndex1..5). The handlers change it; what is shown and
    // what is evaluated follow from it.
    Selection m_selection;
    int m_evaluations = 0;
    Controls ui;
    Announcer *m_announcer = nullptr;
    // Per band: its next and previous colour, by their shortcuts.
    std::array<std::array<QAction *, 2>, maxBands> m_bandSteps{};
    bool m_selecting = false; // an option's handler runs
};

} // namespace zomar
