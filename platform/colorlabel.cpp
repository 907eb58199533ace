#include "platform/colorlabel.h"

#include <QPainter>

namespace zomar {

void paintColourArea(QPainter &painter, const QRect &rect, const QColor &colour)
{
    painter.fillRect(rect, Qt::black);
    painter.fillRect(rect.adjusted(1, 1, -1, -1), colour);
}

ColorLabel::ColorLabel(QWidget *parent) : QLabel(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColorLabel::setBackColor(const QColor &color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    update();
}

void ColorLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintColourArea(painter, rect(), m_backColor);
}

ColorSwatch::ColorSwatch(const QColor &color, QWidget *parent) : QAbstractButton(parent), m_backColor(color)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void ColorSwatch::paintEvent(QPaintEvent *)
{
    // The same while pressed: a swatch is a colour, not a raised button.
    QPainter painter(this);
    paintColourArea(painter, rect(), m_backColor);
}

} // namespace zomar
