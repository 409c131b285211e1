#pragma once

// Knows every window of the application by name and owns the loaded ones.
// show() loads a window from its definition when needed and brings it to the
// front; unload() destroys it. The application runs while any window is loaded.

#include "ui/window_definition.h"

#include <span>
#include <string_view>

namespace ui {

class Form;

class WindowRegistry {
public:
    explicit WindowRegistry(std::span<const WindowDef* const> windows);
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    // Loads the window if it is not loaded, then shows, raises and activates it.
    Form& show(std::string_view name);
    // Destroys the window's widgets; the next show() loads it afresh.
    // When no window is left loaded, the application's event loop ends.
    void unload(std::string_view name);

    bool isLoaded(std::string_view name) const;
    Form* form(std::string_view name) const; // nullptr when not loaded
    bool anyLoaded() const;

    // A modal box over the whole application: the text, an OK button, no icon,
    // titled with the application's name. Returns when the user dismisses it.
    void messageBox(std::u16string_view text);
};

} // namespace ui
