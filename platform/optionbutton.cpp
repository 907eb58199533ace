#include "platform/optionbutton.h"

namespace zomar {

bool OptionButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

} // namespace zomar
