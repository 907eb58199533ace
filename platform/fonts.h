#pragma once

#include <QFont>

namespace zomar {

// The three fonts of the window. Each names the face the layout was drawn
// with and, where a platform lacks it, metric-compatible stand-ins that
// carry Cyrillic.
QFont boldSansFont();  // "MS Sans Serif" 7.8 pt bold
QFont boldArialFont(); // "Arial" 9 pt bold
QFont plainFont();     // "MS Sans Serif" 8 pt regular

} // namespace zomar
