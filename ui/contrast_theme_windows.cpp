#include "ui/contrast_theme.h"

#include <windows.h>

namespace ui {

bool desktopContrastTheme() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    if (!SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0))
        return false;
    return (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

} // namespace ui
