// The main of every Qt test executable: one QApplication, offscreen unless told
// otherwise, and without the offscreen platform's noise.

#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

namespace {

QtMessageHandler qtHandler = nullptr;

// The offscreen platform cannot raise windows and says so on every show.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    qtHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    qtHandler = qInstallMessageHandler(quietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // Results are written with the user's decimal separator, and the tests'
    // expected texts use "."; a test that wants another locale sets it itself.
    // Without this, every result test fails on a German desktop.
    QLocale::setDefault(QLocale::c());
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
