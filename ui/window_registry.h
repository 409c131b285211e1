#pragma once

// Knows every window of the application by name and owns the loaded ones.
// show() loads a window from its definition when needed and brings it to the
// front; unload() destroys it. The application runs while any window is loaded.

#include "ui/window_definition.h"

#include <QPointer>
#include <span>
#include <string_view>
#include <vector>

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

private:
    friend class Form;

    struct Window {
        const WindowDef* def;
        QPointer<Form> form; // null when not loaded
    };

    Window* find(std::string_view name);
    const Window* find(std::string_view name) const;
    Window& require(std::string_view name);
    // Unloads exactly this form; a stale form, already unloaded, is left alone
    // so that it can never unload a fresh copy of its window.
    void unloadForm(Form& form);

    std::vector<Window> m_windows;
    std::vector<QPointer<Form>> m_unloaded; // hidden, awaiting deletion
};

} // namespace ui
