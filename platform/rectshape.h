#pragma once

#include <QColor>
#include <QWidget>

#include <optional>

namespace zomar {

// A drawn rectangle with a solid one-pixel outline and, when it has one, an
// opaque fill. It takes no input: clicks go through to what lies behind.
class RectShape : public QWidget
{
    Q_OBJECT
public:
    RectShape(std::optional<QColor> fill, QColor outline, QWidget *parent = nullptr);

    std::optional<QColor> fill() const { return m_fill; }
    QColor outline() const { return m_outline; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<QColor> m_fill;
    QColor m_outline;
};

} // namespace zomar
