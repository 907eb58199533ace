#pragma once

namespace zomar {

// The texts Qt supplies (a field's standard menu, key names, the names of
// actions a screen reader is told) in Russian from here on. Read when first
// needed rather than at start-up; later calls do nothing.
void useRussianQtTexts();

} // namespace zomar
