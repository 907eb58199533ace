#pragma once

class QApplication;

namespace zomar {

// Name, version, style, palette, Qt's Russian texts, the window's face and
// the icon of the application; once, before the window is created.
void prepareApplication(QApplication &app);

} // namespace zomar
