#include "ui/application.h"
#include "ui/platform_choice.h"
#include "ui/windows/windows.h"

#include <QApplication>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr const char* kNoDisplay =
    "zentaro: no display found. Zentaro is a desktop program and needs a graphical session "
    "(DISPLAY or WAYLAND_DISPLAY).\n";
constexpr const char* kNoWindowSystem =
    "zentaro: cannot open a window on this display. Check that the graphical session named by "
    "DISPLAY or WAYLAND_DISPLAY is running.\n";
constexpr const char* kXvfbHint =
    "On a machine without a display, run it under a virtual X server: xvfb-run zentaro\n";

// A display that is named but cannot be reached makes Qt give up while the
// application starts; say why and leave with an error instead of aborting.
void startupMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg) {
        std::fputs(kNoWindowSystem, stderr);
        std::fputs(kXvfbHint, stderr);
        std::_Exit(1);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    const ui::PlatformChoice choice = ui::choosePlatform(ui::sessionEnvironment());
    if (choice.displayMissing) {
        std::fputs(kNoDisplay, stderr);
        std::fputs(kXvfbHint, stderr);
        return 1;
    }
    // The program takes no command line: only the program name reaches Qt,
    // followed by the platform chosen for it, if any. Passed as an argument
    // rather than as QT_QPA_PLATFORM so that it stays with this process and
    // is not handed on to programs started from it.
    char platformOption[] = "-platform";
    std::string platform(choice.platform);
    std::array<char*, 4> qtArgv{argc > 0 ? argv[0] : nullptr, nullptr, nullptr, nullptr};
    int qtArgc = argc > 0 ? 1 : 0;
    if (qtArgc > 0 && !platform.empty()) {
        qtArgv[1] = platformOption;
        qtArgv[2] = platform.data();
        qtArgc = 3;
    }
    const QtMessageHandler previous = qInstallMessageHandler(startupMessage);
    QApplication app(qtArgc, qtArgv.data());
    qInstallMessageHandler(previous);
    return ui::runApplication(app, ui::windows::all(), ui::windows::kMain);
}
