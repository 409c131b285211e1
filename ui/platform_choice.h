#pragma once

#include <string_view>

namespace ui {

// The variables that say which window systems this process can reach, as it
// received them. Unset and empty are the same, as they are to Qt.
struct SessionEnvironment {
    std::string_view qtPlatform;     // QT_QPA_PLATFORM: the user's own choice
    std::string_view display;        // DISPLAY: an X server
    std::string_view waylandDisplay; // WAYLAND_DISPLAY: a Wayland compositor
    std::string_view sessionType;    // XDG_SESSION_TYPE: "x11", "wayland", "tty"
};

struct PlatformChoice {
    // There is nothing to open a window on; Qt would only abort.
    bool displayMissing = false;
    // For Qt's -platform argument, a list tried in turn; empty leaves the
    // choice to Qt, and to QT_QPA_PLATFORM when the user set it.
    std::string_view platform;
};

// Which window system the program's windows open on, decided before the
// application object exists. On X11 and Wayland desktops:
// Ex: DISPLAY=:0 (an X11 session)                        -> {false, ""}
//     DISPLAY=:0 WAYLAND_DISPLAY=wayland-0 (Xwayland)    -> {false, "xcb;wayland"}
//     WAYLAND_DISPLAY=wayland-0 (no X server)            -> {false, "wayland"}
//     QT_QPA_PLATFORM=wayland DISPLAY=:0 WAYLAND_DISPLAY=wayland-0 -> {false, ""}
//     nothing set                                        -> {true, ""}
// Windows has one window system, whose GDI font engine is chosen:
//     nothing set                                        -> {false, "windows:fontengine=gdi"}
//     QT_QPA_PLATFORM=windows                            -> {false, ""}
// macOS: always {false, ""}.
PlatformChoice choosePlatform(const SessionEnvironment& environment);

// This process's own environment.
SessionEnvironment sessionEnvironment();

} // namespace ui
