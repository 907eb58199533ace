#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QLabel>

#include <optional>

class QPainter;

namespace zomar {

// A plain area of colour inside a one-pixel black border, one logical pixel
// wide at any screen scale.
void paintColourArea(QPainter &painter, const QRect &rect, const QColor &colour);

// A band stripe: a label that shows its band's colour. The colour is painted
// directly rather than through the palette, which keeps the stripes and
// swatches cheap to create.
class ColourLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ColourLabel(QWidget *parent = nullptr);

    // The colour read is exactly the colour last written.
    QColor backColour() const { return m_backColour; }
    void setBackColour(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_backColour = Qt::white;
};

// A palette swatch: a colour to press. As a button it reports clicks (a
// press and a release of the left button, both on it; a double click on it
// is one click) and offers assistive technologies a press action, which a
// click in the moment that press takes joins; it never takes the keyboard
// focus.
class ColourSwatch : public QAbstractButton
{
    Q_OBJECT
public:
    explicit ColourSwatch(const QColor &colour, QWidget *parent = nullptr);

    QColor backColour() const { return m_backColour; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QColor m_backColour;
    std::optional<quint64> m_pressedAt; // the time of its last left press, in event time
    bool m_partOfPress = false;         // the left button's release ends no click of its own
};

} // namespace zomar
