#include "platform/colorlabel.h"

#include <QMouseEvent>
#include <QPainter>

namespace zomar {

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
    // Black border strips and the colour inside, one logical pixel wide at
    // any screen scale.
    QPainter painter(this);
    const QRect r = rect();
    painter.fillRect(r, Qt::black);
    painter.fillRect(r.adjusted(1, 1, -1, -1), m_backColor);
}

void ColorLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ColorLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

} // namespace zomar
