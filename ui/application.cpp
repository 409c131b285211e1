#include "ui/application.h"

#include "ui/pictures.h"
#include "ui/window_registry.h"

#include <QApplication>
#include <QIcon>

namespace ui {

int runApplication(QApplication& app, std::span<const WindowDef* const> windows,
                   std::string_view first) {
    QApplication::setApplicationName(QStringLiteral("Zentaro"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    // The window system takes every size the icon holds when a window is
    // created (xcb converts and sends each one); the 256 px image would add
    // about 0.5 ms and 0.7 MiB to the start for nothing the title bar or the
    // task list shows, since shells find the large icon through the desktop
    // entry named below. Read through the loader, which takes the
    // uncompressed twin: QIcon::addFile would decode the PNG at once and load
    // every installed image plugin to find a reader for it.
    QIcon icon;
    icon.addPixmap(loadPicture(":/icons/zentaro_48.png", 1));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral("com.parvelin.Zentaro"));
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
