#pragma once

// The application's three windows. The calculator is the one shown at start.

#include "ui/window_definition.h"

#include <array>
#include <span>
#include <string_view>

namespace ui::windows {

inline constexpr std::string_view kMain = "Frm_OhmsLaw";
inline constexpr std::string_view kTheory = "Frm_OLT";
inline constexpr std::string_view kAbout = "frm_About";

extern const WindowDef mainWindow;
extern const WindowDef theoryWindow;
extern const WindowDef aboutWindow;

// Every window, the first one shown at start first.
std::span<const WindowDef* const> all();

} // namespace ui::windows
