#include "platform/groupframe.h"

#include <QAccessibleWidget>

namespace zomar {

namespace {

QAccessibleInterface *groupFrameAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(GroupFrame::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Grouping);
    return nullptr;
}

} // namespace

GroupFrame::GroupFrame(QWidget *parent) : QFrame(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(groupFrameAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace zomar
