#include "ui/contrast_theme.h"
#include "ui/platform_look.h"

#include <QApplication>
#include <QStyle>
#include <QStyleHints>
#include <optional>

namespace ui {

void applyPlatformLook() {
    // Qt's offscreen platform, which the tests use, keeps its own look.
    if (QGuiApplication::platformName() != QLatin1String("windows"))
        return;
    // Asking Qt for a colour scheme makes it refresh the theme, which comes
    // back here as a theme change: only a real change is passed on.
    static std::optional<bool> applied;
    const bool contrast = contrastThemeOn();
    if (applied == contrast)
        return;
    applied = contrast;
    if (qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE")) {
        const QString style = contrast ? QStringLiteral("windows") : QStringLiteral("windowsvista");
        if (QApplication::style()->name() != style)
            QApplication::setStyle(style);
    }
    if (contrast)
        QGuiApplication::styleHints()->unsetColorScheme();
    else
        QGuiApplication::styleHints()->setColorScheme(Qt::ColorScheme::Light);
}

} // namespace ui
