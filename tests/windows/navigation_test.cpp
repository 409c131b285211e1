// Moving between the three windows, and when the application ends.

#include "modal_responder.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/window_registry.h"
#include "ui/windows/windows.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using namespace ui::windows;

QWidget* control(ui::Form* form, const char* name) {
    return form ? form->findChild<QWidget*>(name) : nullptr;
}

void click(ui::Form* form, const char* button) {
    QWidget* w = control(form, button);
    ASSERT_NE(w, nullptr) << button;
    QTest::mouseClick(w, Qt::LeftButton);
}

int visibleWindowsNamed(std::string_view name) {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName().toStdString() == name)
            ++n;
    return n;
}

class Navigation : public ::testing::Test {
protected:
    ModalResponder m_responder;
    ui::WindowRegistry m_registry{all()};
};

TEST_F(Navigation, ExitWithTheoryOpenKeepsItAndMainPageBringsBackAnEmptyCalculator) {
    ui::Form* calc = &m_registry.show(kMain);
    QTest::keyClicks(control(calc, "Txt_a"), "10");
    click(calc, "Command4");
    ASSERT_TRUE(m_registry.isLoaded(kTheory));

    click(calc, "Command5");
    EXPECT_FALSE(m_registry.isLoaded(kMain));
    EXPECT_TRUE(m_registry.anyLoaded());

    click(m_registry.form(kTheory), "Command1");
    EXPECT_FALSE(m_registry.isLoaded(kTheory));
    ASSERT_TRUE(m_registry.isLoaded(kMain));
    calc = m_registry.form(kMain);
    EXPECT_EQ(qobject_cast<QLineEdit*>(control(calc, "Txt_a"))->text(), "");
    EXPECT_EQ(qobject_cast<QLabel*>(control(calc, "Lbl_m"))->text(), "");
}

TEST_F(Navigation, ValuesSurviveARoundTripThroughTheTheoryPage) {
    ui::Form* calc = &m_registry.show(kMain);
    QTest::keyClicks(control(calc, "Txt_a"), "10");
    QTest::keyClicks(control(calc, "Txt_b"), "4");
    click(calc, "Command1");
    click(calc, "Command4");
    click(m_registry.form(kTheory), "Command1");

    ASSERT_EQ(m_registry.form(kMain), calc); // the same window, never unloaded
    EXPECT_EQ(qobject_cast<QLineEdit*>(control(calc, "Txt_a"))->text(), "10");
    EXPECT_EQ(qobject_cast<QLabel*>(control(calc, "Lbl_m"))->text(), "2.5");
    EXPECT_TRUE(calc->isVisible());
}

TEST_F(Navigation, OpeningAWindowTwiceGivesOneCopyInFront) {
    ui::Form* calc = &m_registry.show(kMain);
    for (const char* button : {"Command3", "Command4"}) {
        click(calc, button);
        click(calc, button);
    }
    EXPECT_EQ(visibleWindowsNamed(kAbout), 1);
    EXPECT_EQ(visibleWindowsNamed(kTheory), 1);
    EXPECT_EQ(visibleWindowsNamed(kMain), 1);
}

TEST_F(Navigation, SpaceOnAFocusedButtonRunsItsAction) {
    ui::Form* calc = &m_registry.show(kMain);
    ASSERT_TRUE(QTest::qWaitForWindowActive(calc));
    control(calc, "Command3")->setFocus();
    QTest::keyClick(control(calc, "Command3"), Qt::Key_Space);
    EXPECT_TRUE(m_registry.isLoaded(kAbout));
}

TEST_F(Navigation, ClosingTheTheoryPageByItsCloseBoxLeavesTheCalculatorAsItWas) {
    ui::Form* calc = &m_registry.show(kMain);
    QTest::keyClicks(control(calc, "Txt_c"), "7");
    click(calc, "Command4");
    m_registry.form(kTheory)->close();
    EXPECT_FALSE(m_registry.isLoaded(kTheory));
    EXPECT_EQ(m_registry.form(kMain), calc);
    EXPECT_EQ(qobject_cast<QLineEdit*>(control(calc, "Txt_c"))->text(), "7");
}

// A user's way through the windows, run inside the real event loop; the
// application must keep running until the last step and end right after it.
struct Step {
    std::string_view window;
    const char* button; // nullptr: the close box
};

struct Journey {
    const char* name;
    std::vector<Step> steps;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const Journey& j, std::ostream* os) { *os << j.name; }

ui::Form* findForm(std::string_view name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName().toStdString() == name)
            return qobject_cast<ui::Form*>(w);
    return nullptr;
}

class Lifetime : public ::testing::TestWithParam<Journey> {};

TEST_P(Lifetime, EndsExactlyWhenTheLastWindowIsUnloaded) {
    const Journey& journey = GetParam();
    ModalResponder responder;
    std::size_t done = 0;

    QTimer driver;
    driver.setInterval(20);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (done == journey.steps.size())
            return;
        const Step& step = journey.steps[done];
        ui::Form* form = findForm(step.window);
        if (!form)
            return; // not shown yet
        if (step.button)
            QTest::mouseClick(form->findChild<QWidget*>(step.button), Qt::LeftButton);
        else
            form->close();
        ++done;
    });
    driver.start();
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QApplication::exit(99); });
    watchdog.start(10'000);

    const int code = ui::runApplication(*qApp, all(), kMain);

    EXPECT_EQ(code, 0) << "still running after " << done << " steps";
    EXPECT_EQ(done, journey.steps.size()) << "ended before the last step";
    QApplication::processEvents(); // let unloaded windows finish going away
    for (std::string_view name : {kMain, kTheory, kAbout})
        EXPECT_EQ(visibleWindowsNamed(name), 0) << name;
}

const Journey kJourneys[] = {
    {"ExitAtOnce", {{kMain, "Command5"}}},
    {"CloseBoxAtOnce", {{kMain, nullptr}}},
    {"AboutOutlivesTheCalculator",
     {{kMain, "Command3"}, {kMain, "Command5"}, {kAbout, "Command1"}}},
    {"TheoryClosedLastByItsCloseBox",
     {{kMain, "Command4"}, {kMain, "Command5"}, {kTheory, nullptr}}},
    {"MainPageRevivesTheCalculator",
     {{kMain, "Command4"}, {kMain, "Command5"}, {kTheory, "Command1"}, {kMain, "Command5"}}},
    {"ThreeWindowsClosedInTurn",
     {{kMain, "Command3"}, {kMain, "Command4"}, {kMain, nullptr}, {kAbout, "Command1"},
      {kTheory, nullptr}}},
};

INSTANTIATE_TEST_SUITE_P(Journeys, Lifetime, ::testing::ValuesIn(kJourneys),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
