#pragma once

// The look a platform gives every window, settled before a window is loaded
// and again whenever the desktop's theme changes. Windows: the native Win32
// style, windowsvista, also where Qt would pick its Windows 11 style, and the
// light colour scheme in Windows' dark app mode, since the window definitions
// give light colours and dark text that a dark palette would leave
// unreadable. While a contrast theme is on (contrast_theme.h) the theme's own
// colours rule instead: the classic Windows style, which draws every button
// and text box in the system colours, and no colour scheme forced. A style
// the user chose with QT_STYLE_OVERRIDE is kept. Elsewhere nothing changes.
// Idempotent: a call that finds nothing changed does nothing.
// Ex: on Windows 11 in dark mode, QApplication::style()->name() becomes
//     "windowsvista" and the palette stays light; with "Night sky" on, the
//     style is "windows" and the palette is the theme's.

namespace ui {

void applyPlatformLook();

} // namespace ui
