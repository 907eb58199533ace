#include "appearance.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QStyleOption>
#include <QWidget>

namespace zomar {

namespace {

QPalette buildLightPalette()
{
    // Fusion's colours for a light desktop.
    const QColor windowText = Qt::black;
    const QColor background(239, 239, 239);
    const QColor dark = background.darker(150);
    const QColor mid = background.darker(130);
    const QColor shadow = dark.darker(135);
    const QColor disabledText(190, 190, 190);
    QColor placeholder = windowText;
    placeholder.setAlpha(128);

    QPalette pal(windowText, background, background.lighter(150), dark, mid, windowText, Qt::white);
    const struct
    {
        QPalette::ColorRole role;
        QColor colour;
    } all[] = {
        {QPalette::Midlight, mid.lighter(110)},
        {QPalette::Button, background},
        {QPalette::Shadow, shadow},
        {QPalette::Highlight, QColor(48, 140, 198)},
        {QPalette::HighlightedText, Qt::white},
        {QPalette::Link, Qt::blue},
        {QPalette::LinkVisited, Qt::magenta},
        {QPalette::PlaceholderText, placeholder},
    };
    for (const auto &[role, colour] : all)
        pal.setColor(role, colour);
    const struct
    {
        QPalette::ColorRole role;
        QColor colour;
    } disabled[] = {
        {QPalette::Text, disabledText},
        {QPalette::WindowText, disabledText},
        {QPalette::ButtonText, disabledText},
        {QPalette::Base, background},
        {QPalette::Dark, QColor(209, 209, 209).darker(110)},
        {QPalette::Shadow, shadow.lighter(150)},
        {QPalette::Highlight, QColor(145, 145, 145)},
    };
    for (const auto &[role, colour] : disabled)
        pal.setColor(QPalette::Disabled, role, colour);

    // Every role counts as set, so nothing is taken from the desktop.
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            pal.setBrush(g, r, pal.brush(g, r));
        }
    }
    return pal;
}

} // namespace

QPalette fixedLightPalette()
{
    static const QPalette palette = buildLightPalette();
    return palette;
}

FocusStyle::FocusStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

void FocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                               const QWidget *widget) const
{
    if (element != PE_FrameFocusRect) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Workaround "focus-frame" (docs/workarounds.md): Fusion's focus frame
    // is a faint tint of the highlight. Shown once the keyboard has moved
    // the focus, as Fusion does.
    if (!(option->state & State_KeyboardFocusChange))
        return;
    const QPalette::ColorRole text = widget ? widget->foregroundRole() : QPalette::WindowText;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(option->palette.color(text));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

void FocusStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                             const QWidget *widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    // Workaround "focus-frame": Fusion draws no focus frame on push buttons;
    // draw it inside the bevel.
    if (element == CE_PushButton && (option->state & State_HasFocus)) {
        if (const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option)) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(*button);
            focus.rect = subElementRect(SE_PushButtonFocusRect, button, widget);
            drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
        }
    }
}

// Workaround "fusion-metrics-dpi" (docs/workarounds.md): Fusion scales its
// parts by the dpi of the option's font metrics (the screen's without an
// option), rounding down: measured at the layout's 96 dpi they are the
// layout's sizes exactly, whatever the screen's dpi.
int FocusStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    static const QImage layoutDevice = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        image.setDotsPerMeterX(3780); // 96 dpi
        image.setDotsPerMeterY(3780);
        return image;
    }();
    // The common part only: a copy that still claimed its subclass's type
    // would be read as one.
    QStyleOption at96 = option ? *option : QStyleOption();
    at96.type = QStyleOption::SO_Default;
    at96.version = QStyleOption::Version;
    at96.fontMetrics = QFontMetrics(widget ? widget->font() : QApplication::font(), &layoutDevice);
    return QProxyStyle::pixelMetric(metric, &at96, widget);
}

} // namespace zomar
