#pragma once

#include <QPoint>

class QContextMenuEvent;
class QKeyEvent;
class QMenu;
class QWidget;

namespace zomar {

// Context menus as every desktop opens them: by the pointer's right button
// and the Menu key, which Qt turns into context menu events, and by
// Shift+F10, which it does not.

// Whether the key is Shift+F10; then the widget has had a context menu
// event from the keyboard, at a point of its own.
bool openContextMenuByKey(QWidget *widget, const QKeyEvent *event, QPoint at);

// Shows the menu where the event asks; it goes when it closes. Opened from
// the keyboard, its first enabled item is current, as Down makes it, so
// that a screen reader follows the menu into that item and Escape returns
// to the control it came from.
void popUpContextMenu(QMenu *menu, const QContextMenuEvent *event);

} // namespace zomar
