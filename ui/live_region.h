#pragma once

// The platform's own way to speak a message to a screen reader, where Qt's
// accessibility bridge has none. The announcer (accessibility.h) uses it
// beside what it tells Qt, after the same waiting, with the same text.

#include <QString>
#include <memory>

class QWidget;

namespace ui {

class PlatformLiveRegion {
public:
    virtual ~PlatformLiveRegion() = default;
    virtual void say(const QString& text) = 0;
};

// For a message spoken over `window`; nullptr where the platform needs
// nothing beyond Qt (Linux, whose screen readers hear the notification
// role), or has no native window to speak from (Qt's offscreen platform).
std::unique_ptr<PlatformLiveRegion> makePlatformLiveRegion(QWidget& window);

} // namespace ui
