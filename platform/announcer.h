#pragma once

#include <QWidget>

namespace zomar {

// Says a short message through the screen reader, if one listens: a
// notification that appears with the message as its name, as desktop
// notifications do. It is never painted, never takes the focus or a
// click, and changes no pixel of its window.
class Announcer : public QWidget
{
    Q_OBJECT
public:
    explicit Announcer(QWidget *parent);

    void announce(const QString &message);
};

} // namespace zomar
