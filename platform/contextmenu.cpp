#include "contextmenu.h"

#include "qttexts.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

namespace zomar {

// Workaround "shift-f10" (docs/workarounds.md).
bool openContextMenuByKey(QWidget *widget, const QKeyEvent *event, QPoint at)
{
    if (event->key() != Qt::Key_F10 || event->modifiers() != Qt::ShiftModifier)
        return false;
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, widget->mapToGlobal(at));
    QCoreApplication::sendEvent(widget, &menu);
    return true;
}

void popUpContextMenu(QMenu *menu, const QContextMenuEvent *event)
{
    useRussianQtTexts(); // the key names of the menu's shortcuts
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    // Workaround "a11y-keyboard-menu-focus" (docs/workarounds.md).
    // The menu's own selection by the key: its accessible focus moves to the
    // item, and a submenu stays closed (setActiveAction() would open it).
    if (event->reason() == QContextMenuEvent::Keyboard) {
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QCoreApplication::sendEvent(menu, &down);
    }
}

} // namespace zomar
