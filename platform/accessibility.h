#pragma once

#include <QAccessible>

#include <functional>

class QWidget;

namespace zomar {

// What assistive technologies are told about a class of the program's own
// widgets (by its class name, as QMetaObject spells it): an interface of
// its own, or simply a role. Qt describes a widget it does not know as a
// bare filler; a group frame, a window or a notification is more.
using AccessibleMaker = std::function<QAccessibleInterface *(QWidget *)>;
void setAccessibleInterface(const char *className, AccessibleMaker make);
void setAccessibleRole(const char *className, QAccessible::Role role);

} // namespace zomar
