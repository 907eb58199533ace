#include "accessibility.h"

#include "announcer.h"
#include "groupframe.h"
#include "resultbox.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QWidget>

#include <functional>

namespace zomar {

namespace {

using Maker = std::function<QAccessibleInterface *(QWidget *)>;

QHash<QString, Maker> &makers()
{
    static QHash<QString, Maker> byClass;
    return byClass;
}

QAccessibleInterface *ourInterface(const QString &className, QObject *object)
{
    const auto make = makers().constFind(className);
    if (make == makers().cend() || !object->isWidgetType())
        return nullptr;
    return (*make)(static_cast<QWidget *>(object));
}

void setRole(const char *className, QAccessible::Role role)
{
    makers().insert(QString::fromLatin1(className), [role](QWidget *w) { return new QAccessibleWidget(w, role); });
}

} // namespace

void installAccessibility(std::initializer_list<std::pair<const char *, QAccessible::Role>> roles)
{
    makers().insert(QString::fromLatin1(ResultBox::staticMetaObject.className()),
                    [](QWidget *w) { return accessibleResultBox(static_cast<ResultBox *>(w)); });
    setRole(GroupFrame::staticMetaObject.className(), QAccessible::Grouping);
    setRole(Announcer::staticMetaObject.className(), QAccessible::Notification);
    for (const auto &[className, role] : roles)
        setRole(className, role);
    static const bool installed = [] {
        QAccessible::installFactory(ourInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace zomar
