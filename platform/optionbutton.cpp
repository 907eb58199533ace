#include "platform/optionbutton.h"

#include <QStyle>
#include <QStyleOptionButton>

namespace zomar {

bool OptionButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

int OptionButton::captionRoom() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this).width();
}

} // namespace zomar
