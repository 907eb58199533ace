#pragma once

#include <QAccessible>

#include <initializer_list>
#include <utility>

namespace zomar {

// Tells screen readers what the program's own widgets are, once at
// start-up, before any of them exists: the result field's interface of its
// own, the option group frame as a group, the announcer as a notification,
// and each class of \a roles (its class name as QMetaObject spells it) as
// its role. Qt describes a widget it does not know as a bare filler. Qt's
// own selection of a result field's text as Tab enters or leaves it is not
// reported (a selection the user makes is), an open menu is among the
// application's windows, and a control shown again is new to readers.
void installAccessibility(std::initializer_list<std::pair<const char *, QAccessible::Role>> roles = {});

} // namespace zomar
