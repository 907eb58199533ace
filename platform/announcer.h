#pragma once

#include <QTimer>
#include <QWidget>

namespace zomar {

// Says a short message through the screen reader, if one listens, so that
// nothing a reader reviews afterwards repeats a message that may no longer
// be true: from Qt 6.8 on, an announcement of its window's; before, a
// notification that appears with the message as its name, as desktop
// notifications do, and is gone again a moment later. It is never painted,
// never takes the focus or a click, and changes no pixel of its window.
class Announcer : public QWidget
{
    Q_OBJECT
public:
    explicit Announcer(QWidget *parent);

    void announce(const QString &message);

private:
    QTimer m_gone; // hides the notification (before Qt 6.8)
};

} // namespace zomar
