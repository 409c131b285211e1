#include "ui/platform_look.h"

namespace ui {

// The desktop's own style and colours, as for any Qt program there.
void applyPlatformLook() {}

} // namespace ui
