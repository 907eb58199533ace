#include "announcer.h"

#include <chrono>

namespace zomar {

namespace {

// Long enough for a reader to take the message as it appears (it reads the
// name, which stays), short enough that a review of the window right after
// a change does not meet it.
constexpr std::chrono::milliseconds shownFor(250);

} // namespace

Announcer::Announcer(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
    m_gone.setSingleShot(true);
    m_gone.setInterval(shownFor);
    connect(&m_gone, &QTimer::timeout, this, &QWidget::hide);
}

void Announcer::announce(const QString &message)
{
    // Hidden while it takes the message, so that only its appearance is
    // reported: a reader speaks a notification as it shows.
    hide();
    setAccessibleName(message);
    show();
    m_gone.start();
}

} // namespace zomar
