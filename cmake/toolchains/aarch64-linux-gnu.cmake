# 64-bit Arm Linux (arm64: Raspberry Pi OS, Debian on other boards), with
# Debian's cross compilers against Debian's own arm64 packages, installed
# beside the build machine's in their multiarch folders (dpkg
# --add-architecture arm64). Qt's host tools (moc, rcc, uic) are the build
# machine's own. What runs the tests (qemu-user) and how the package is named
# come from the linux-arm64 preset, not from here.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_STRIP /usr/bin/aarch64-linux-gnu-strip)
# pkg-config (for xcb) reads the arm64 .pc files, not the build machine's.
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig)
# The arm64 libraries share the root with the build machine's, told apart by
# their multiarch folder, which CMAKE_LIBRARY_ARCHITECTURE picks.
set(CMAKE_FIND_ROOT_PATH /)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
