#include "colourlabel.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>

#include <utility>

namespace zomar {

void paintColourArea(QPainter &painter, const QRect &rect, const QColor &colour)
{
    painter.fillRect(rect, Qt::black);
    painter.fillRect(rect.adjusted(1, 1, -1, -1), colour);
}

ColourLabel::ColourLabel(QWidget *parent) : QLabel(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColourLabel::setBackColour(const QColor &colour)
{
    if (colour == m_backColour)
        return;
    m_backColour = colour;
    update();
}

void ColourLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintColourArea(painter, rect(), m_backColour);
}

ColourSwatch::ColourSwatch(const QColor &colour, QWidget *parent) : QAbstractButton(parent), m_backColour(colour)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void ColourSwatch::paintEvent(QPaintEvent *)
{
    // The same while pressed: a swatch is a colour, not a raised button.
    QPainter painter(this);
    paintColourArea(painter, rect(), m_backColour);
}

// Down as the left button comes down: an assistive technology's press is
// under way, which Qt completes a moment later. A reader that clicks with
// the pointer and, when that click seems lost, presses the swatch as well
// (Orca 43 does) means one click: the button's press and release are part
// of that press.
void ColourSwatch::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressedAt = event->timestamp();
        m_partOfPress = isDown();
        if (m_partOfPress) {
            event->accept();
            return;
        }
    }
    QAbstractButton::mousePressEvent(event);
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && std::exchange(m_partOfPress, false))
        event->accept();
    else
        QAbstractButton::mouseReleaseEvent(event);
}

// The second press of a double click whose first press was on this swatch
// is no new click, nor is its release: that press has chosen the colour. A
// double click begun on another control (a press just across the border)
// is a press here.
void ColourSwatch::mouseDoubleClickEvent(QMouseEvent *event)
{
    const auto interval = quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    if (event->button() == Qt::LeftButton && m_pressedAt && event->timestamp() - *m_pressedAt <= interval) {
        m_partOfPress = true;
        event->accept();
        return;
    }
    mousePressEvent(event);
}

} // namespace zomar
