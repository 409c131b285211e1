#include "ui/live_region.h"

#include <QAccessible>
#include <QWidget>

namespace ui {

namespace {

// Windows readers hear nothing of a widget of the notification role as it
// shows; Qt (6.8 and later) announces instead, through a UI Automation
// notification event raised on the window, which Narrator and NVDA speak
// without the focus moving. Assertive: the result answers the key just
// pressed, and should not wait behind whatever the reader is still saying.
class QtAnnouncement final : public PlatformLiveRegion {
public:
    explicit QtAnnouncement(QWidget& window) : m_window(window) {}

    void say(const QString& text) override {
        QAccessibleAnnouncementEvent event(&m_window, text);
        event.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
        QAccessible::updateAccessibility(&event);
    }

private:
    QWidget& m_window;
};

} // namespace

std::unique_ptr<PlatformLiveRegion> makePlatformLiveRegion(QWidget& window) {
    return std::make_unique<QtAnnouncement>(window);
}

} // namespace ui
