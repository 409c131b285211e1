#include "ui/platform_choice.h"

namespace ui {

// One window system, always there: nothing to choose and nothing missing.
PlatformChoice choosePlatform(const SessionEnvironment&) {
    return {};
}

SessionEnvironment sessionEnvironment() {
    return {};
}

} // namespace ui
