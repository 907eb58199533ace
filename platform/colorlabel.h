#pragma once

#include <QColor>
#include <QLabel>

namespace zomar {

// A label that shows a plain area of colour inside a one-pixel black border
// and reports clicks: the palette swatches and the band stripes.
class ColorLabel : public QLabel {
    Q_OBJECT
public:
    explicit ColorLabel(QWidget *parent = nullptr);

    // The colour read is exactly the colour last written.
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor &color);

signals:
    // A press and a release of the left button, both on the label.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QColor m_backColor;
    bool m_pressed = false;
};

} // namespace zomar
