#include "platform/accessibility.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QWidget>

namespace zomar {

namespace {

QHash<QString, AccessibleMaker> &makers()
{
    static QHash<QString, AccessibleMaker> byClass;
    return byClass;
}

QAccessibleInterface *ourInterface(const QString &className, QObject *object)
{
    const auto make = makers().constFind(className);
    if (make == makers().cend() || !object->isWidgetType())
        return nullptr;
    return (*make)(static_cast<QWidget *>(object));
}

} // namespace

void setAccessibleInterface(const char *className, AccessibleMaker make)
{
    static const bool installed = [] {
        QAccessible::installFactory(ourInterface);
        return true;
    }();
    Q_UNUSED(installed);
    makers().insert(QString::fromLatin1(className), std::move(make));
}

void setAccessibleRole(const char *className, QAccessible::Role role)
{
    setAccessibleInterface(className, [role](QWidget *w) { return new QAccessibleWidget(w, role); });
}

} // namespace zomar
