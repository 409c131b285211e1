#pragma once

// The look a platform gives every window, settled before the first is
// loaded. Windows: the native Win32 style, windowsvista, also where Qt would
// pick its Windows 11 style, and the light colour scheme in Windows' dark
// app mode, since the window definitions give light colours and dark text
// that a dark palette would leave unreadable. A style the user chose with
// QT_STYLE_OVERRIDE is kept. Elsewhere nothing changes. Idempotent.
// Ex: on Windows 11 in dark mode, QApplication::style()->name() becomes
//     "windowsvista" and the palette stays light.

namespace ui {

void applyPlatformLook();

} // namespace ui
