#include "ui/windows/windows.h"

#include <array>

namespace ui::windows {

std::span<const WindowDef* const> all() {
    static constexpr std::array<const WindowDef*, 3> windows{&mainWindow, &theoryWindow,
                                                             &aboutWindow};
    return windows;
}

} // namespace ui::windows
