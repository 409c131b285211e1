#include "ui/application.h"
#include "ui/windows/windows.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt would abort with a terse platform error; say what is
// needed instead.
bool displayMissing() {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    return qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
           qEnvironmentVariableIsEmpty("DISPLAY") &&
           qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return false;
#endif
}

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
    if (displayMissing()) {
        std::fputs(kNoDisplay, stderr);
        std::fputs(kXvfbHint, stderr);
        return 1;
    }
    // The program takes no command line: only the program name reaches Qt.
    int qtArgc = argc > 0 ? 1 : 0;
    const QtMessageHandler previous = qInstallMessageHandler(startupMessage);
    QApplication app(qtArgc, argv);
    qInstallMessageHandler(previous);
    return ui::runApplication(app, ui::windows::all(), ui::windows::kMain);
}
