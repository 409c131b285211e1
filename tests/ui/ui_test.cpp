#include "tests/ui/ui_test.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QWidget>

namespace ui::test {

void UiTest::SetUp() {
    // A window registry ends the event loop when its last window goes. If that
    // happened outside a running loop, Qt would end the next modal loop at once;
    // running the application loop once clears it.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();

    m_watchdog.setInterval(200);
    QObject::connect(&m_watchdog, &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || m_modalExpected)
            return;
        QString text;
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            text = box->text();
        ADD_FAILURE() << "unexpected modal window \"" << modal->windowTitle().toStdString()
                      << "\": " << text.toStdString();
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    });
    m_watchdog.start();
}

void UiTest::TearDown() {
    m_watchdog.stop();
    flushDeletes();
}

void UiTest::flushDeletes() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace ui::test
