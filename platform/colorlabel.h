#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QLabel>

class QPainter;

namespace zomar {

// A plain area of colour inside a one-pixel black border, one logical pixel
// wide at any screen scale.
void paintColourArea(QPainter &painter, const QRect &rect, const QColor &colour);

// A band stripe: a label that shows its band's colour. The colour is painted
// directly rather than through the palette, which keeps the stripes and
// swatches cheap to create.
class ColorLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ColorLabel(QWidget *parent = nullptr);

    // The colour read is exactly the colour last written.
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_backColor = Qt::white;
};

// A palette swatch: a colour to press. As a button it reports clicks (a
// press and a release of the left button, both on it) and offers assistive
// technologies a press action; it never takes the keyboard focus.
class ColorSwatch : public QAbstractButton
{
    Q_OBJECT
public:
    explicit ColorSwatch(const QColor &color, QWidget *parent = nullptr);

    QColor backColor() const { return m_backColor; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_backColor;
};

} // namespace zomar
