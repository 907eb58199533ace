#include "announcer.h"

namespace zomar {

Announcer::Announcer(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
}

void Announcer::announce(const QString &message)
{
    // Hidden while it takes the message, so that only its appearance is
    // reported: a reader speaks a notification as it shows.
    hide();
    setAccessibleName(message);
    show();
}

} // namespace zomar
