#include "accessibility.h"

#include "announcer.h"
#include "groupframe.h"
#include "qttexts.h"
#include "resultbox.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QHash>
#include <QMenu>
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

// Workaround "a11y-popup-children" (docs/workarounds.md): the application,
// with its open menus among its windows. Qt leaves popups out, and a reader
// takes an object that its parent does not list for one that is gone: the
// context menu of a field would not be read. A menu Qt lists itself is not
// listed twice.
class ApplicationAccessible : public QAccessibleApplication
{
public:
    int childCount() const override { return QAccessibleApplication::childCount() + int(openMenus().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const int windows = QAccessibleApplication::childCount();
        if (index < windows)
            return QAccessibleApplication::child(index);
        const QList<QWidget *> menus = openMenus();
        return index - windows < menus.size() ? QAccessible::queryAccessibleInterface(menus.at(index - windows))
                                              : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const int window = QAccessibleApplication::indexOfChild(child);
        if (window >= 0 || !child)
            return window;
        const qsizetype menu = openMenus().indexOf(child->object());
        return menu < 0 ? -1 : QAccessibleApplication::childCount() + int(menu);
    }

private:
    QList<QWidget *> openMenus() const
    {
        QList<QWidget *> menus;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMenu *>(w) && w->isVisible() && !listedByQt(w))
                menus.append(w);
        }
        return menus;
    }
    bool listedByQt(QWidget *w) const
    {
        return QAccessibleApplication::indexOfChild(QAccessible::queryAccessibleInterface(w)) >= 0;
    }
};

QAccessibleInterface *ourInterface(const QString &className, QObject *object)
{
    if (object == qApp && className == QLatin1String(QApplication::staticMetaObject.className()))
        return new ApplicationAccessible;
    const auto make = makers().constFind(className);
    if (make == makers().cend() || !object->isWidgetType())
        return nullptr;
    return (*make)(static_cast<QWidget *>(object));
}

void setRole(const char *className, QAccessible::Role role)
{
    makers().insert(QString::fromLatin1(className), [role](QWidget *w) { return new QAccessibleWidget(w, role); });
}

// Qt's texts a reader may be told (names of actions and keys) are Russian
// as soon as one is there, before it asks for any.
class ActivationObserver : public QAccessible::ActivationObserver
{
public:
    void accessibilityActiveChanged(bool active) override
    {
        if (active)
            useRussianQtTexts();
    }
};

QAccessible::UpdateHandler before = nullptr; // the handler ours was installed over

// Workaround "a11y-update-handler" (docs/workarounds.md): what Qt tells
// readers, less what it says of its own making that misleads them.
void passOn(QAccessibleEvent *event)
{
    // Workaround "a11y-focus-selection": the selection a result field gets
    // and loses as the focus comes and goes: a reader says the field, its
    // text and that it is selected as the field takes the focus; told of the
    // selection too, it says the text once more, and "unselected" for the
    // field left.
    if (event->type() == QAccessible::TextSelectionChanged || event->type() == QAccessible::TextCaretMoved) {
        if (const auto *box = qobject_cast<ResultBox *>(event->object()); box && box->focusMoving())
            return;
    }
    // Workaround "a11y-popup-activation": the window under a popup menu,
    // active all along, made active again as the menu opens: a reader would
    // leave the menu for the window.
    if (event->type() == QAccessible::StateChanged && QApplication::activePopupWidget()
        && static_cast<QAccessibleStateChangeEvent *>(event)->changedStates().active)
        return;
    if (before) {
        before(event);
    } else {
        // With no handler installed, Qt hands the event to the platform's
        // bridge; a handler installed over ours stays.
        const QAccessible::UpdateHandler current = QAccessible::installUpdateHandler(nullptr);
        QAccessible::updateAccessibility(event);
        QAccessible::installUpdateHandler(current);
    }
    // Workaround "a11y-shown-again": a control hidden is a new object to
    // readers when it shows again. A reader keeps the states of an object as
    // it first met it, and Qt tells of "showing" alone, never "visible": met
    // while hidden, a control would stay out of a review of the window for
    // good. A notification keeps its object, whose message a reader may read
    // after it has gone.
    QAccessibleInterface *hidden = event->type() == QAccessible::ObjectHide ? event->accessibleInterface() : nullptr;
    if (hidden && hidden->object() && hidden->object()->isWidgetType()
        && !static_cast<QWidget *>(hidden->object())->isWindow() && hidden->role() != QAccessible::Notification)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(hidden));
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
        static ActivationObserver observer;
        QAccessible::installActivationObserver(&observer);
        if (QAccessible::isActive())
            useRussianQtTexts();
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace zomar
