#pragma once

#include <QObject>

class QWidget;

namespace zomar {

// Keeps a window drawn as at a fresh start on its screen after the screen's
// scale changed (a Wayland output's scale, a screen's logical dpi): Qt keeps
// parts drawn, native windows and font engines made at the old scale.
// Watches from the window's first showing on; a child of the window.
class ScreenScaleFollower : public QObject
{
    Q_OBJECT
public:
    explicit ScreenScaleFollower(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    void renewFontEngines(); // workaround "unhinted-font-engines"
#endif

    QWidget *m_window;
    qreal m_scale = 0; // the device pixel ratio of the window's screen, last seen
};

} // namespace zomar
