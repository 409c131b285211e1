#include "ui/contrast_portal.h"
#include "ui/contrast_theme.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWindow>

namespace ui {

bool desktopContrastTheme() {
    // The offscreen platform of the tests and the screenshots has no desktop.
    if (QGuiApplication::platformName() == QLatin1String("offscreen") || qApp == nullptr)
        return false;
    static const ContrastPortal* const portal = [] {
        auto* p = new ContrastPortal(QDBusConnection::sessionBus(), qApp);
        // Every open window hears of it as of any theme change, and follows.
        QObject::connect(p, &ContrastPortal::changed, qApp, [] {
            for (QWindow* window : QGuiApplication::topLevelWindows()) {
                QEvent change(QEvent::ThemeChange);
                QCoreApplication::sendEvent(window, &change);
            }
        });
        return p;
    }();
    return portal->higherContrast();
}

} // namespace ui
