#include "announcer.h"

#include <QAccessible>

#include <chrono>

namespace zomar {

// Workaround "a11y-announcement" (docs/workarounds.md): before Qt 6.8, a
// notification that shows for a while.
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
namespace {

// Long enough for a reader to take the message as it appears, however far
// behind the events it is: it reads the name, which stays, when it comes to
// the notification's showing, and Orca 48 drops that showing unread when
// the hiding is already queued behind it (a busy Orca runs a few hundred
// milliseconds behind, and lost most messages at a quarter of a second).
// Short enough that a review of the window a moment after a change does not
// meet it, as a desktop's notification is gone in seconds.
constexpr std::chrono::milliseconds shownFor(2000);

} // namespace
#endif

Announcer::Announcer(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    m_gone.setSingleShot(true);
    m_gone.setInterval(shownFor);
    connect(&m_gone, &QTimer::timeout, this, &QWidget::hide);
#endif
}

void Announcer::announce(const QString &message)
{
    // Workaround "a11y-announcement" (docs/workarounds.md) before Qt 6.8.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // An announcement of the window's: a reader speaks it as it comes, drops
    // none however busy it is, and nothing stays for a review to meet.
    QAccessibleAnnouncementEvent event(window(), message);
    QAccessible::updateAccessibility(&event);
#else
    // Hidden while it takes the message, so that only its appearance is
    // reported: a reader speaks a notification as it shows.
    hide();
    setAccessibleName(message);
    show();
    m_gone.start();
#endif
}

} // namespace zomar
