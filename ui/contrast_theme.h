#pragma once

// Whether the desktop asks for a contrast theme: the high-contrast colours
// that people with low vision turn on. While one is on, every window takes
// the theme's system colours (button face and button text, window and window
// text, highlight) in place of the fixed colours its definition gives.
// Windows: a contrast theme is on (SPI_GETHIGHCONTRAST, HCF_HIGHCONTRASTON).
// X11 and Wayland desktops: the desktop portal asks for higher contrast
// (contrast_portal.h), as GNOME's does with High Contrast on. Elsewhere: no. Asked afresh on every call, since the user may turn a theme
// on or off while the program runs; Qt says so with a theme change.
// Ex: with "Night sky" or "High Contrast Black" on, contrastThemeOn() == true.

#include <optional>

namespace ui {

bool contrastThemeOn();

// Tests and the screenshot tool answer in the desktop's place; nullopt hands
// the question back to the desktop. The program itself never calls it: no
// option or environment variable turns the contrast colours on.
void setContrastThemeForTesting(std::optional<bool> on);

// What the desktop itself says; each platform's file answers it.
bool desktopContrastTheme();

} // namespace ui
