#pragma once

// Window definitions made for the tests: one with every kind of control, font,
// colour form and alignment, and three small windows for lifetime tests.

#include "ui/window_definition.h"

#include <array>
#include <span>
#include <string_view>

namespace ui::test {

// What the sample window's "Record" buttons saw last.
struct ActionLog {
    int runs = 0;
    const Form* form = nullptr;
    std::string_view button;
};
ActionLog& actionLog();

extern const WindowDef kSampleWindow;

// Frm_Main comes first, so it is the one frm_Third (CentreOwner) centres over.
inline constexpr std::array<std::string_view, 3> kLifetimeNames{"Frm_Main", "Frm_Second",
                                                                "frm_Third"};
// Each has a text box Txt_a, "Exit" (Command1: unload itself) and "Next"
// (Command2: show the next window in kLifetimeNames, then unload itself).
std::span<const WindowDef* const> lifetimeWindows();

} // namespace ui::test
