#include "ui/application.h"
#include "ui/windows/windows.h"

#include <QApplication>
#include <QGuiApplication>
#include <cstdio>

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

} // namespace

int main(int argc, char* argv[]) {
    if (displayMissing()) {
        std::fputs("zentaro: no display found. Zentaro is a desktop program and needs a graphical "
                   "session (DISPLAY or WAYLAND_DISPLAY).\nOn a machine without one, run it under "
                   "a virtual X server: xvfb-run zentaro\n",
                   stderr);
        return 1;
    }
    // The program takes no command line: only the program name reaches Qt.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication app(qtArgc, argv);
    return ui::runApplication(app, ui::windows::all(), ui::windows::kMain);
}
