#include "ui/platform_look.h"

#include <QApplication>
#include <QStyleHints>

namespace ui {

void applyPlatformLook() {
    [[maybe_unused]] static const bool applied = [] {
        // Qt's offscreen platform, which the tests use, keeps its own look.
        if (QGuiApplication::platformName() != QLatin1String("windows"))
            return false;
        if (qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE"))
            QApplication::setStyle(QStringLiteral("windowsvista"));
        QGuiApplication::styleHints()->setColorScheme(Qt::ColorScheme::Light);
        return true;
    }();
}

} // namespace ui
