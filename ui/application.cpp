#include "ui/application.h"

#include "ui/window_registry.h"

#include <QApplication>

namespace ui {

int runApplication(QApplication& app, std::span<const WindowDef* const> windows,
                   std::string_view first) {
    QApplication::setApplicationName(QStringLiteral("Zentaro"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    // The registry ends the event loop when the last window is unloaded;
    // a message box closing must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    int result = 0;
    {
        WindowRegistry registry(windows);
        registry.show(first);
        result = app.exec();
        // Windows unloaded by the last action are still awaiting deletion.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return result;
}

} // namespace ui
