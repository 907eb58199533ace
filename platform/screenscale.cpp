#include "screenscale.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPixmapCache>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace zomar {

ScreenScaleFollower::ScreenScaleFollower(QWidget *window) : QObject(window), m_window(window)
{
    window->installEventFilter(this);
}

bool ScreenScaleFollower::eventFilter(QObject *watched, QEvent *event)
{
    QWindow *window = m_window->windowHandle();
    if (watched != m_window || event->type() != QEvent::Show || !window || !window->screen() || m_scale != 0)
        return false;
    m_scale = window->screen()->devicePixelRatio();
    // A screen's scale changes with its logical size (a Wayland output's
    // scale) or its logical dpi.
    const auto watch = [this](QScreen *screen) {
        connect(screen, &QScreen::geometryChanged, this, &ScreenScaleFollower::follow, Qt::UniqueConnection);
        connect(screen, &QScreen::logicalDotsPerInchChanged, this, &ScreenScaleFollower::follow, Qt::UniqueConnection);
    };
    watch(window->screen());
    connect(window, &QWindow::screenChanged, this, [this, watch](QScreen *screen) {
        if (screen)
            watch(screen);
        follow();
    });
    return false;
}

void ScreenScaleFollower::follow()
{
    QWindow *window = m_window->windowHandle();
    if (!window || !window->screen())
        return;
    const qreal before = std::exchange(m_scale, window->screen()->devicePixelRatio());
    if (m_scale == before)
        return;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Workaround "fusion-pixmap-cache" (docs/workarounds.md): Fusion keeps
    // the parts it drew (button bevels, field frames) in the pixmap cache at
    // the scale they were drawn at, under keys that do not name it.
    QPixmapCache::clear();
    // Workaround "wayland-window-scale" (docs/workarounds.md): Qt 6.4's
    // Wayland window keeps the scale of its output as it was when the
    // window entered it: a new native window takes the scale the output has
    // now.
    if (window->devicePixelRatio() == before && m_window->isVisible()) {
        const Qt::WindowStates state = m_window->windowState();
        m_window->hide();
        window->destroy();
        m_window->setWindowState(state);
        m_window->show();
    }
#endif
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Workaround "unhinted-font-engines" (docs/workarounds.md): Qt's
    // fontconfig engines are made without hinting while the application's
    // scale is not 1, and its font cache keeps them: back at 1, the text
    // would stay unhinted, unlike at a fresh start. The application's scale
    // follows the screen's only after this signal.
    QMetaObject::invokeMethod(this, &ScreenScaleFollower::renewFontEngines, Qt::QueuedConnection);
#endif
    m_window->update();
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
void ScreenScaleFollower::renewFontEngines()
{
    // Drawn scaled, glyphs go unhinted whatever their engine. Emptying the
    // cache at another scale would also do harm: the engine data it lets go
    // of stays with the fonts that hold it, refilled at that scale, and out
    // of reach of the next emptying.
    if (!qFuzzyCompare(qGuiApp->devicePixelRatio(), qreal(1)))
        return;
    // Setting the fallback families empties the font cache; they stay as
    // they are.
    constexpr QChar::Script common = QChar::Script_Common;
    QFontDatabase::setApplicationFallbackFontFamilies(common, QFontDatabase::applicationFallbackFontFamilies(common));
    // A line edit keeps its text shaped with the old engines until its font
    // changes. The event also repaints each control: an update of the window
    // leaves out the opaque ones.
    QEvent fontChange(QEvent::FontChange);
    for (QWidget *child : m_window->findChildren<QWidget *>())
        QCoreApplication::sendEvent(child, &fontChange);
    m_window->update();
}
#endif

} // namespace zomar
