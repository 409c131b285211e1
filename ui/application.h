#pragma once

// Start and end of the application: names it, lets the definitions' fonts
// resolve, shows the first window and dispatches input until no window is
// loaded, whichever was unloaded last.

#include "ui/window_definition.h"

#include <span>
#include <string_view>

class QApplication;

namespace ui {

// Ex: runApplication(app, {&mainWindow, &theoryWindow, &aboutWindow}, "Frm_OhmsLaw")
// shows Frm_OhmsLaw and returns 0 once the user has closed every window.
// The first window in the list is the main one that CentreOwner windows
// centre over.
int runApplication(QApplication& app, std::span<const WindowDef* const> windows,
                   std::string_view first);

} // namespace ui
