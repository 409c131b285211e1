// Drives the real windows in-process for a long while and reports how much
// the resident set grew: 10,000 Solve clicks over the calculator's outcome
// rows, then 1,000 cycles of opening and closing the theory and about windows.
// Run offscreen: QT_QPA_PLATFORM=offscreen build/release/bench/soak/soak

#include "ui/form.h"
#include "ui/window_registry.h"
#include "ui/windows/windows.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <cstdio>
#include <fstream>
#if defined(__linux__)
#include <unistd.h>
#endif
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// Linux only; elsewhere the growth reads as 0.
double residentMiB() {
#if defined(__linux__)
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
#else
    return 0;
#endif
}

struct Inputs {
    const char16_t* volts;
    const char16_t* amps;
    const char16_t* ohms;
};

// The calculator's outcome rows, zero notices included.
constexpr std::array<Inputs, 15> kRows{{
    {u"", u"2", u"5"}, {u"10", u"", u"4"}, {u"10", u"3", u""}, {u"2", u"3", u""},
    {u"-10", u"-2", u""}, {u"12abc", u"4", u""}, {u"0.0001", u"1", u""}, {u"10", u"2", u"5"},
    {u"", u"", u""}, {u"", u"", u"5"}, {u"10", u"", u""}, {u"0", u"2", u""},
    {u"10", u"0", u""}, {u"0", u"0", u""}, {u"-10", u"2", u""},
}};

void click(ui::Form& form, const char* button) {
    form.findChild<QPushButton*>(button)->click();
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char** argv) {
#if defined(__GLIBC__)
    // glibc raises its mmap threshold the first time a large block (a window's
    // backing store) is freed, and from then on keeps such blocks in the heap:
    // a one-off step of a few MiB in RSS that is not growth. Pinning the
    // threshold at its default makes RSS show only what the program keeps.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // Answer every zero notice at once, as a patient user would.
    QTimer answer;
    answer.setInterval(0);
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->accept();
    });
    answer.start();

    ui::WindowRegistry registry(ui::windows::all());
    ui::Form& calc = registry.show(ui::windows::kMain);

    constexpr int kSolves = 10'000;
    constexpr int kCycles = 1'000;
    constexpr int kWarmUp = 100;
    double afterWarmUp = 0;
    for (int i = 0; i < kSolves; ++i) {
        const Inputs& row = kRows[std::size_t(i) % kRows.size()];
        calc.setText("Txt_a", row.volts);
        calc.setText("Txt_b", row.amps);
        calc.setText("Txt_c", row.ohms);
        click(calc, "Command1");
        if (i + 1 == kWarmUp)
            afterWarmUp = residentMiB();
    }
    const double afterSolves = residentMiB();

    double cyclesWarm = 0;
    for (int i = 0; i < kCycles; ++i) {
        click(calc, "Command4");
        click(*registry.form(ui::windows::kTheory), "Command1");
        click(calc, "Command3");
        click(*registry.form(ui::windows::kAbout), "Command1");
        // Unloaded windows are destroyed on the next pass of the event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (i + 1 == kWarmUp)
            cyclesWarm = residentMiB();
    }
    const double end = residentMiB();

    std::printf("solve clicks:     %d, RSS %.2f MiB after %d, %.2f MiB at the end, growth %.3f MiB\n",
                kSolves, afterWarmUp, kWarmUp, afterSolves, afterSolves - afterWarmUp);
    std::printf("window cycles:    %d, RSS %.2f MiB after %d, %.2f MiB at the end, growth %.3f MiB\n",
                kCycles, cyclesWarm, kWarmUp, end, end - cyclesWarm);
    std::printf("total growth from the first %d cycles to the end: %.3f MiB\n", kWarmUp,
                (afterSolves - afterWarmUp) + (end - cyclesWarm));
    registry.unload(ui::windows::kMain);
    return 0;
}
