#include "ui/contrast_theme.h"

namespace ui {

// The desktop's own style and palette carry its contrast setting here, and
// there is no switch of its own to ask.
bool desktopContrastTheme() {
    return false;
}

} // namespace ui
