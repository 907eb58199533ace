#pragma once

#include <QPalette>
#include <QProxyStyle>

namespace zomar {

// The light Fusion palette with every role of every group set, so that no
// desktop theme (a dark one included) can fill in a colour of its own.
QPalette fixedLightPalette();

// Fusion, whose keyboard focus is plain to see: a solid one-pixel frame in
// the control's own text colour, on option buttons and push buttons alike.
// Fusion's own focus frame is a faint tint of the highlight colour. Its
// parts (indicators, frames, margins) keep their sizes at 96 dpi, as the
// controls do, whatever the desktop's logical dpi.
class FocusStyle : public QProxyStyle
{
    Q_OBJECT
public:
    FocusStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
};

} // namespace zomar
