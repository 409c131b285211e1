#include "ui/contrast_theme.h"

namespace ui {

// The desktop's own style and palette already carry its contrast setting, and
// there is no contrast switch of its own to ask for here.
bool desktopContrastTheme() {
    return false;
}

} // namespace ui
