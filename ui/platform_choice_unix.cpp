#include "ui/platform_choice.h"

#include <cstdlib>

namespace ui {

namespace {

std::string_view variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

} // namespace

PlatformChoice choosePlatform(const SessionEnvironment& environment) {
    // The user's choice is Qt's to read, and a -platform argument would
    // override it.
    if (!environment.qtPlatform.empty())
        return {};
    // Qt would abort with a terse platform error; the caller says what is
    // needed instead.
    if (environment.display.empty() && environment.waylandDisplay.empty())
        return {.displayMissing = true};

    // Either of these makes Qt prefer its Wayland platform over an X server.
    const bool waylandSession =
        !environment.waylandDisplay.empty() || environment.sessionType == "wayland";
    if (!waylandSession)
        return {}; // an X11 session, where Qt already opens on the X server

    // Every window is placed where it opens: centred on the screen, or over
    // the main window. A Wayland client cannot place its windows (the
    // compositor does, by its own rule), and GNOME leaves a Wayland client to
    // draw its own title bar. Through the desktop's X server (Xwayland) the
    // windows open where they belong, in the desktop's own frames; Wayland
    // stays the fallback should that server not answer.
    if (!environment.display.empty())
        return {.platform = "xcb;wayland"};
    // No X server at all: Wayland, rather than not at all.
    return {.platform = "wayland"};
}

SessionEnvironment sessionEnvironment() {
    return {
        .qtPlatform = variable("QT_QPA_PLATFORM"),
        .display = variable("DISPLAY"),
        .waylandDisplay = variable("WAYLAND_DISPLAY"),
        .sessionType = variable("XDG_SESSION_TYPE"),
    };
}

} // namespace ui
