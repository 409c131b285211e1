// Renders each window, as a user first sees it, to PNG files; the calculator
// also once more after a Solve. Used by scripts/screenshots under Xvfb.
// Usage: screenshot_tool [--contrast] [--solve VOLTS AMPS] OUTPUT_DIR [SUFFIX]
// --contrast: as the desktop's contrast theme were on (ui/contrast_theme.h),
// in whatever system colours the desktop has.
// --solve: the Solve with these values (10 and 3 without it), as a check of
// a real program typing them in compares its window with.

#include "ui/contrast_theme.h"
#include "ui/form.h"
#include "ui/window_registry.h"
#include "ui/windows/windows.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <cstdio>

namespace {

bool save(ui::Form& form, const QDir& dir, const QString& name) {
    if (!QTest::qWaitForWindowExposed(&form))
        std::fprintf(stderr, "%s was never exposed\n", qPrintable(form.objectName()));
    QTest::qWait(200); // let the window system settle fonts and paint
    const QString path = dir.filePath(name + ".png");
    if (!form.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // A steady caret: a blinking one is caught on or off at random, and the
    // same window would give a different picture from run to run.
    QApplication::setCursorFlashTime(0);
    int first = 1;
    if (argc > first && qstrcmp(argv[first], "--contrast") == 0) {
        ui::setContrastThemeForTesting(true);
        ++first;
    }
    QString volts = QStringLiteral("10");
    QString amps = QStringLiteral("3");
    if (argc > first + 2 && qstrcmp(argv[first], "--solve") == 0) {
        volts = QString::fromLocal8Bit(argv[first + 1]);
        amps = QString::fromLocal8Bit(argv[first + 2]);
        first += 3;
    }
    if (argc <= first) {
        std::fprintf(stderr, "usage: %s [--contrast] [--solve VOLTS AMPS] OUTPUT_DIR [SUFFIX]\n",
                     argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[first]));
    const QString suffix = argc > first + 1 ? QString::fromLocal8Bit(argv[first + 1]) : QString();
    if (!dir.mkpath("."))
        return 1;

    ui::WindowRegistry registry(ui::windows::all());
    bool ok = true;
    ui::Form& calc = registry.show(ui::windows::kMain);
    ok &= save(calc, dir, "main" + suffix);
    calc.setText("Txt_a", volts.toStdU16String());
    calc.setText("Txt_b", amps.toStdU16String());
    calc.findChild<QPushButton*>("Command1")->click();
    ok &= save(calc, dir, "main-solved" + suffix);
    ok &= save(registry.show(ui::windows::kTheory), dir, "theory" + suffix);
    registry.unload(ui::windows::kTheory);
    ok &= save(registry.show(ui::windows::kAbout), dir, "about" + suffix);
    registry.unload(ui::windows::kAbout);
    registry.unload(ui::windows::kMain);
    return ok ? 0 : 1;
}
