#include "rectshape.h"

#include <QPainter>

namespace zomar {

RectShape::RectShape(std::optional<QColor> fill, QColor outline, QWidget *parent)
    : QWidget(parent), m_fill(fill), m_outline(outline)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_OpaquePaintEvent, fill.has_value());
    setFocusPolicy(Qt::NoFocus);
}

void RectShape::paintEvent(QPaintEvent *)
{
    // The outline is four one-pixel strips rather than a pen, so it stays one
    // logical pixel wide and flush with the edges at any screen scale.
    QPainter painter(this);
    const QRect r = rect();
    if (m_fill)
        painter.fillRect(r.adjusted(1, 1, -1, -1), *m_fill);
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), m_outline);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), m_outline);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), m_outline);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), m_outline);
}

} // namespace zomar
