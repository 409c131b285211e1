#include "ui/live_region.h"
#include "ui/uia_live_region.h"

#include <QGuiApplication>
#include <QWidget>

namespace ui {

namespace {

// Windows readers hear nothing of a widget of the notification role through
// Qt 6.4 (uia_live_region.h says why); they hear this.
class UiaRegion final : public PlatformLiveRegion {
public:
    explicit UiaRegion(HWND parent) : m_region(parent, uia::systemFunctions()) {}

    void say(const QString& text) override { m_region.say(text.toStdWString()); }

private:
    uia::LiveRegion m_region;
};

} // namespace

std::unique_ptr<PlatformLiveRegion> makePlatformLiveRegion(QWidget& window) {
    // Only Qt's windows platform gives a widget a real window handle.
    if (QGuiApplication::platformName() != QLatin1String("windows"))
        return nullptr;
    return std::make_unique<UiaRegion>(reinterpret_cast<HWND>(window.winId()));
}

} // namespace ui
