#include "zomar.h"

#include "layout.h"
#include "product.h"

#include "announcer.h"
#include "appearance.h"
#include "colourlabel.h"
#include "contextmenu.h"
#include "fonts.h"
#include "optionbutton.h"
#include "resultbox.h"
#include "screenscale.h"
#include "twips.h"
#include "wayland.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
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
    makeBandShortcuts();
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
    // Heard as well as seen: the value the user's choice gives, once, also
    // when its handler selects another option, whose handler runs within.
    using Handler = void (Zomar::*)();
    const auto onSelect = [this](OptionButton *button, Handler handler) {
        connect(button, &QAbstractButton::toggled, this, [this, handler](bool on) {
            if (!on)
                return;
            const bool choice = !m_selecting;
            const QScopedValueRollback selecting(m_selecting, true);
            (this->*handler)();
            if (choice)
                m_announcer->announce(ui.R_Full->text());
        });
    };
    const Handler countHandlers[] = {&Zomar::L3_En_Click, &Zomar::L4_En_Click, &Zomar::L5_En_Click};
    for (int count = minBands; count <= maxBands; ++count)
        onSelect(ui.countOption(count), countHandlers[count - minBands]);
    const Handler kindHandlers[] = {&Zomar::Op_R_Click, &Zomar::Op_C_Click, &Zomar::Op_G_Click};
    for (std::size_t k = 0; k < std::size(kindHandlers); ++k)
        onSelect(ui.kindOptions()[k], kindHandlers[k]);
    connect(ui.Exit_Btn, &QPushButton::clicked, this, &Zomar::Exit_Btn_Click);
}

// Every band by the keyboard, which swatches never take: Ctrl and the
// band's number for its next colour, with Shift for the previous one. The
// digits are the same keys in the Latin and Russian layouts.
void Zomar::makeBandShortcuts()
{
    for (int band = 1; band <= maxBands; ++band) {
        for (const int step : {1, -1}) {
            auto *action =
                new QAction(step > 0 ? QStringLiteral("Следующий цвет") : QStringLiteral("Предыдущий цвет"), this);
            const Qt::KeyboardModifiers modifiers =
                step > 0 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier;
            action->setShortcut(QKeyCombination(modifiers, Qt::Key(Qt::Key_0 + band)));
            action->setShortcutVisibleInContextMenu(true);
            connect(action, &QAction::triggered, this, [this, band, step] { stepBand(band, step); });
            addAction(action);
            m_bandSteps[static_cast<std::size_t>(band - 1)][step > 0 ? 0 : 1] = action;
        }
    }
    for (ResultBox *field : {ui.Result, ui.Ed_Izm, ui.Result2, ui.R_Full, ui.Result3, ui.Result4})
        connect(field, &ResultBox::contextMenuOpening, this, &Zomar::addBandMenus);
}

void Zomar::stepBand(int band, int step)
{
    const BandPosition &position = bandPosition(m_selection.kind, m_selection.bandCount, band);
    if (!position.isBand())
        return; // a band the component lacks is not offered
    int colour = bandIndex(band);
    do
        colour = (colour + step + colourCount) % colourCount;
    while (!position.offersColour(colour));
    ui.swatch(band, colour)->click();
}

// The colours each band offers, a submenu "Цвет полосы N" per band the
// component has, the band's colour checked: choosing one presses its swatch.
void Zomar::addBandMenus(QMenu *menu)
{
    if (!menu->isEmpty())
        menu->addSeparator();
    for (int band = 1; band <= maxBands; ++band) {
        const BandPosition &position = bandPosition(m_selection.kind, m_selection.bandCount, band);
        if (!position.isBand())
            continue;
        QMenu *colours = menu->addMenu(QStringLiteral("Цвет полосы %1").arg(band));
        auto *group = new QActionGroup(colours);
        for (int colour = 0; colour < paletteColourCount(band); ++colour) {
            if (!position.offersColour(colour))
                continue;
            QAction *choice = colours->addAction(colourName(colour).toString());
            choice->setCheckable(true);
            choice->setChecked(colour == bandIndex(band));
            group->addAction(choice);
            connect(choice, &QAction::triggered, ui.swatch(band, colour), &QAbstractButton::click);
        }
        colours->addSeparator();
        for (QAction *step : m_bandSteps[static_cast<std::size_t>(band - 1)])
            colours->addAction(step);
    }
}

// The controls that take the focus but have no menu of their own (the
// options, Exit) pass theirs on to the window: the band colours.
void Zomar::contextMenuEvent(QContextMenuEvent *event)
{
    auto *menu = new QMenu(this);
    addBandMenus(menu);
    popUpContextMenu(menu, event);
}

void Zomar::keyPressEvent(QKeyEvent *event)
{
    QWidget *target = focusWidget() ? focusWidget() : this;
    if (!openContextMenuByKey(target, event, target->rect().center()))
        QWidget::keyPressEvent(event);
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
}

// A kind may bring its own band count, chosen as a click on its option
// chooses it (that handler runs first, to its end), and a band's colour,
// chosen as a click on its swatch chooses it.
void Zomar::chooseKind(ComponentKind kind)
{
    m_selection.kind = kind;
    const KindRule &rule = kindRule(kind);
    if (rule.chosenCount && rule.chosenCount != m_selection.bandCount)
        ui.countOption(rule.chosenCount)->setChecked(true); // runs its handler
    else
        ui.offer(kind, m_selection.bandCount);
    if (rule.chosenBand)
        paintBand(rule.chosenBand, rule.chosenColour);
    Tabl();
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

// An inductor comes with four bands, its fourth gold or silver: band 4
// becomes gold as a click on its gold swatch makes it.
void Zomar::Op_G_Click()
{
    chooseKind(ComponentKind::Inductor);
}

void Zomar::Exit_Btn_Click()
{
    close();
}

} // namespace zomar
