#pragma once

#include <QColor>
#include <QLabel>

namespace zomar {

// A label that shows a plain area of colour inside a one-pixel black border
// and reports clicks: the palette swatches and the band stripes. It paints
// the colour itself rather than through its palette, which keeps the 61 of
// them cheap to create.
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
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QColor m_backColor = Qt::white;
    bool m_pressed = false;
};

} // namespace zomar
