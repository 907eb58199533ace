# Debian packages, sourced by run.sh and test.sh.
# To build and run the program:
build_packages=(cmake make g++ qt6-base-dev libgl-dev fonts-liberation fonts-dejavu-core)
# Further, for the tests, benchmarks and packaging checks:
test_packages=(libbenchmark-dev xvfb xauth xdotool x11-utils imagemagick
               desktop-file-utils appstream dpkg-dev file valgrind time)
