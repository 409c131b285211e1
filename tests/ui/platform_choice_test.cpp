#include "ui/platform_choice.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct ChoiceCase {
    const char* name;
    ui::SessionEnvironment environment;
    // "no display", "Qt decides", or the -platform value passed to Qt.
    const char* expected;
};

std::ostream& operator<<(std::ostream& os, const ChoiceCase& c) {
    return os << c.name;
}

std::string outcome(const ui::PlatformChoice& choice) {
    if (choice.displayMissing)
        return choice.platform.empty() ? "no display"
                                       : "no display, yet " + std::string(choice.platform);
    return choice.platform.empty() ? "Qt decides" : std::string(choice.platform);
}

class PlatformChoiceTest : public testing::TestWithParam<ChoiceCase> {};

TEST_P(PlatformChoiceTest, Outcome) {
    EXPECT_EQ(outcome(ui::choosePlatform(GetParam().environment)), GetParam().expected);
}

// Columns: QT_QPA_PLATFORM, DISPLAY, WAYLAND_DISPLAY, XDG_SESSION_TYPE.
const ChoiceCase kSessions[] = {
    {"X11Session", {"", ":0", "", "x11"}, "Qt decides"},
    {"X11WithoutSessionType", {"", ":0", "", ""}, "Qt decides"},
    {"GnomeWaylandWithXwayland", {"", ":0", "wayland-0", "wayland"}, "xcb;wayland"},
    {"WaylandSocketWithoutSessionType", {"", ":1", "wayland-1", ""}, "xcb;wayland"},
    {"WaylandSessionTypeWithoutSocketName", {"", ":0", "", "wayland"}, "xcb;wayland"},
    {"WaylandWithoutXServer", {"", "", "wayland-0", "wayland"}, "wayland"},
    {"WaylandSocketAloneInTtySession", {"", "", "wayland-0", "tty"}, "wayland"},
    {"UserSetWayland", {"wayland", ":0", "wayland-0", "wayland"}, "Qt decides"},
    {"UserSetXcb", {"xcb", ":0", "wayland-0", "wayland"}, "Qt decides"},
    {"UserSetOffscreenWithoutDisplay", {"offscreen", "", "", ""}, "Qt decides"},
    {"NoDisplayAtAll", {"", "", "", ""}, "no display"},
    {"WaylandSessionTypeAloneIsNoDisplay", {"", "", "", "wayland"}, "no display"},
};
INSTANTIATE_TEST_SUITE_P(Sessions, PlatformChoiceTest, testing::ValuesIn(kSessions),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
