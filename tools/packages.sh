# Debian packages, sourced by run.sh and test.sh.
# To build and run the program:
build_packages=(cmake make g++ qt6-base-dev qt6-translations-l10n fonts-liberation fonts-dejavu-core)
# Further, for the tests (format check, the sanitized build with clang, real
# window, desktops: a window manager, a GTK theme, the Orca screen reader,
# Weston and sway (with grim, its screenshots) with Qt's Wayland plugin;
# leak check, packaging: cpack needs dpkg-dev and file to compute library
# dependencies, git makes the second build's source as a release tarball,
# icoutils reads the Windows icon)
# and benchmarks:
test_packages=(clang-format clang libclang-rt-dev llvm libbenchmark-dev xvfb xdotool imagemagick desktop-file-utils appstream librsvg2-bin
               dpkg-dev file git lintian valgrind time procps icoutils
               openbox wmctrl x11-utils x11-xkb-utils python3-pyatspi qt6-gtk-platformtheme dbus at-spi2-core orca weston sway grim qt6-wayland)
# To cross-build the Windows program (packaging/windows/build.sh) and test it
# under Wine:
windows_packages=(g++-mingw-w64-x86-64-posix ninja-build nsis zip xz-utils
                  wine64 icoutils xvfb xdotool x11-xkb-utils xclip imagemagick)
