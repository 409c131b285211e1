#pragma once

// The platform's own way to speak a message to a screen reader, where the
// notification role is not heard. The announcer (accessibility.h) uses it
// beside that role, after the same waiting, with the same text.

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
// nothing beyond the notification role (Linux, whose screen readers hear it).
std::unique_ptr<PlatformLiveRegion> makePlatformLiveRegion(QWidget& window);

} // namespace ui
