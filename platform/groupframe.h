#pragma once

#include <QFrame>

namespace zomar {

// The frame of an option group. Assistive technologies see it as a group
// under its accessible name, not as a bare border.
class GroupFrame : public QFrame
{
    Q_OBJECT
public:
    using QFrame::QFrame;
};

} // namespace zomar
