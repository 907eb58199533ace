#include "zomar.h"

#include "layout.h"
#include "product.h"

#include "announcer.h"
#include "appearance.h"
#include "colourlabel.h"
#include "fonts.h"
#include "optionbutton.h"
#include "resultbox.h"
#include "screenscale.h"
#include "twips.h"
#include "wayland.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>

namespace zomar {

Zomar::Zomar(NumberText numbers, QWidget *parent) : QWidget(parent), m_numbers(std::move(numbers))
{
    setObjectName(QStringLiteral("Zomar"));
    setWindowTitle(productName.toString());

    // The layout's size: a title, the system menu, minimise and close; no
    // maximise. Still a normal top-level window with its taskbar entry.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    // A fixed light palette: the layout's colours, whatever the desktop theme.
    QPalette pal = fixedLightPalette();
    pal.setColor(QPalette::Window, teal);
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(plainFont());
    const QSize size(twipsToPixels(clientWidth), twipsToPixels(clientHeight));
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Workaround "wayland-maximise" (docs/workarounds.md): a Wayland
    // compositor may maximise any window, and the client must then take the
    // size it is given or be disconnected; Qt 6.4 holds a window to its
    // maximum size. So the layout's size is the least here: the window opens
    // at it, and a maximised window shows the layout as it is on the teal
    // background.
    const bool fixedSize = !onWayland();
#else
    constexpr bool fixedSize = true;
#endif
    if (fixedSize) {
        setFixedSize(size);
    } else {
        setMinimumSize(size);
        resize(size);
    }

    ui.setupUi(this);
    ui.offer(m_selection.kind, m_selection.bandCount);
    QWidget *tabOrder[] = {ui.Op_R,   ui.Op_C,    ui.Op_G,   ui.L3_En,   ui.L4_En,   ui.L5_En,   ui.Result,
                           ui.Ed_Izm, ui.Result2, ui.R_Full, ui.Result3, ui.Result4, ui.Exit_Btn};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    m_announcer = new Announcer(this);
    new ScreenScaleFollower(this);
    connectHandlers();
    Form_Load();
}

void Zomar::connectHandlers()
{
    for (int band = 1; band <= maxBands; ++band) {
        for (int colour = 0; colour < paletteColourCount(band); ++colour) {
            // A press through accessibility comes a moment later: by then the
            // swatch may be hidden, and a hidden swatch is no choice.
            ColourSwatch *s = ui.swatch(band, colour);
            connect(s, &ColourSwatch::clicked, this, [this, s, band, colour] {
                if (s->isVisibleTo(this))
                    Palette_Click(band, colour);
            });
        }
    }
    // toggled(true) runs for mouse, keyboard and selection from code alike.
    const auto onSelect = [this](OptionButton *button, void (Zomar::*handler)()) {
        connect(button, &QAbstractButton::toggled, this, [this, handler](bool on) {
            if (on)
                (this->*handler)();
        });
    };
    onSelect(ui.L3_En, &Zomar::L3_En_Click);
    onSelect(ui.L4_En, &Zomar::L4_En_Click);
    onSelect(ui.L5_En, &Zomar::L5_En_Click);
    onSelect(ui.Op_R, &Zomar::Op_R_Click);
    onSelect(ui.Op_C, &Zomar::Op_C_Click);
    onSelect(ui.Op_G, &Zomar::Op_G_Click);
    connect(ui.Exit_Btn, &QPushButton::clicked, this, &Zomar::Exit_Btn_Click);
}

void Zomar::Form_Load()
{
    for (int band = 1; band <= maxBands; ++band)
        paintBand(band, White);
    Tabl();
}

void Zomar::Tabl()
{
    ++m_evaluations;
    // A field is written only when its text changes: a write tells a screen
    // reader of a change, and ends the user's selection in the field.
    const auto write = [](ResultBox *field, const QString &text) {
        if (field->text() != text)
            field->setText(text);
    };
    const Evaluation result = evaluate(m_selection, m_numbers);
    write(ui.Result, result.digits);
    write(ui.Result2, result.multiplier);
    write(ui.Result3, result.tolerance);
    if (result.voltage) // only a capacitor has a rated voltage
        write(ui.Result4, *result.voltage);
    write(ui.R_Full, result.value);
    write(ui.Ed_Izm, result.unit);
}

// The band takes the colour of its swatch of that colour: the stripe shows
// it and names it to a screen reader, and the band's index holds it.
void Zomar::paintBand(int band, int colour)
{
    ColourLabel *line = ui.stripe(band);
    line->setBackColour(ui.swatch(band, colour)->backColour());
    line->setToolTip(stripeText(band, colour));
    line->setAccessibleName(stripeText(band, colour));
    m_selection.bands.at(static_cast<std::size_t>(band - 1)) = colour;
}

void Zomar::Palette_Click(int band, int colour)
{
    paintBand(band, colour);
    Tabl();
    // Heard as well as seen: the colour chosen and the value it gives.
    m_announcer->announce(QStringLiteral("%1, %2").arg(colourName(colour), ui.R_Full->text()));
}

// A band count or a kind chosen: the window offers what they allow, and
// shows their results. Every band keeps its colour.
void Zomar::chooseBandCount(int count)
{
    m_selection.bandCount = count;
    ui.offer(m_selection.kind, count);
    Tabl();
    announceValue();
}

void Zomar::chooseKind(ComponentKind kind)
{
    m_selection.kind = kind;
    ui.offer(kind, m_selection.bandCount);
    Tabl();
    announceValue();
}

// Heard as well as seen: the value a kind or band count gives, once for the
// user's one choice (the inductor's choice of four bands is part of it).
void Zomar::announceValue()
{
    if (!m_choosingKind)
        m_announcer->announce(ui.R_Full->text());
}

void Zomar::L3_En_Click()
{
    chooseBandCount(3);
}

void Zomar::L4_En_Click()
{
    chooseBandCount(4);
}

void Zomar::L5_En_Click()
{
    chooseBandCount(5);
}

void Zomar::Op_R_Click()
{
    chooseKind(ComponentKind::Resistor);
}

void Zomar::Op_C_Click()
{
    chooseKind(ComponentKind::Capacitor);
}

// An inductor is chosen with four bands, its fourth gold or silver: band 4
// becomes gold as a click on its gold swatch makes it.
void Zomar::Op_G_Click()
{
    m_selection.kind = ComponentKind::Inductor;
    if (m_selection.bandCount == 4) {
        ui.offer(m_selection.kind, 4);
    } else {
        const QScopedValueRollback choosingKind(m_choosingKind, true);
        ui.L4_En->setChecked(true); // runs L4_En_Click, which offers the inductor's four bands
    }
    paintBand(4, Gold);
    Tabl();
    announceValue();
}

void Zomar::Exit_Btn_Click()
{
    close();
}

} // namespace zomar
