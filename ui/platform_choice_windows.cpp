#include "ui/platform_choice.h"

#include <cstdlib>

namespace ui {

// One window system, always there. Its fonts come through GDI, whose text
// widths the windows' captions were laid out for: Qt 6.8 would otherwise
// measure with DirectWrite, whose natural widths wrap the longest notice.
PlatformChoice choosePlatform(const SessionEnvironment& environment) {
    if (!environment.qtPlatform.empty())
        return {};
    return {.platform = "windows:fontengine=gdi"};
}

SessionEnvironment sessionEnvironment() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return {.qtPlatform = platform != nullptr ? platform : ""};
}

} // namespace ui
