#include "platform/groupframe.h"

#include "platform/accessibility.h"

namespace zomar {

GroupFrame::GroupFrame(QWidget *parent) : QFrame(parent)
{
    setAccessibleRole(staticMetaObject.className(), QAccessible::Grouping);
}

} // namespace zomar
