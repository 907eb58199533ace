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

QAccessible::UpdateHandler before = nullptr; // the handler ours was installed over

// What Qt tells readers, less what it says of its own making that misleads
// them.
void passOn(QAccessibleEvent *event)
{
    // The selection a result field gets and loses as the focus comes and
    // goes: a reader says the field, its text and that it is selected as the
    // field takes the focus; told of the selection too, it says the text once
    // more, and "unselected" for the field left.
    if (event->type() == QAccessible::TextSelectionChanged || event->type() == QAccessible::TextCaretMoved) {
        if (const auto *box = qobject_cast<ResultBox *>(event->object()); box && box->focusMoving())
            return;
    }
    if (before) {
        before(event);
        return;
    }
    // With no handler installed, Qt hands the event to the platform's bridge.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(passOn);
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
        before = QAccessible::installUpdateHandler(passOn);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace zomar
