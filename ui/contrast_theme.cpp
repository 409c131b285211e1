#include "ui/contrast_theme.h"

namespace ui {

namespace {

std::optional<bool> answerForTesting;

} // namespace

bool contrastThemeOn() {
    return answerForTesting ? *answerForTesting : desktopContrastTheme();
}

void setContrastThemeForTesting(std::optional<bool> on) {
    answerForTesting = on;
}

} // namespace ui
