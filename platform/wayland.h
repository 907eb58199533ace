#pragma once

#include <QGuiApplication>

namespace zomar {

// Whether the application runs on a Wayland compositor (Qt's "wayland" and
// "wayland-egl" platforms).
inline bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace zomar
