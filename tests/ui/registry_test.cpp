// Window services and the application's lifetime, over the three small
// lifetime windows of sample_windows.h.

#include "tests/ui/sample_windows.h"
#include "tests/ui/ui_test.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/window_registry.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <array>
#include <functional>
#include <random>
#include <sstream>

namespace ui::test {
namespace {

QString q(std::u16string_view s) {
    return QString::fromStdU16String(std::u16string(s));
}

// Every window named `name` that the user can see, loaded or not.
std::vector<Form*> visibleForms(std::string_view name) {
    std::vector<Form*> forms;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<Form*>(widget))
            if (form->isVisible() && form->objectName() == QLatin1String(name))
                forms.push_back(form);
    return forms;
}

void click(Form& form, const char* button) {
    QTest::mouseClick(form.control(button), Qt::LeftButton);
}

class RegistryTest : public UiTest {
protected:
    WindowRegistry m_registry{lifetimeWindows()};
};

// Exit and Main page unload the window whose button is still inside its
// clicked signal; the widgets must outlive the signal (ASan watches this).
TEST_F(RegistryTest, AButtonMayUnloadItsOwnWindow) {
    QPointer<Form> main = &m_registry.show("Frm_Main");
    click(*main, "Command2"); // shows Frm_Second, then unloads Frm_Main
    EXPECT_FALSE(m_registry.isLoaded("Frm_Main"));
    EXPECT_TRUE(m_registry.isLoaded("Frm_Second"));
    ASSERT_FALSE(main.isNull()) << "deleted inside its own signal";
    EXPECT_FALSE(main->isVisible());

    QPointer<Form> second = m_registry.form("Frm_Second");
    click(*second, "Command1"); // Exit
    EXPECT_FALSE(m_registry.anyLoaded());
    flushDeletes();
    EXPECT_TRUE(main.isNull());
    EXPECT_TRUE(second.isNull());
}

TEST_F(RegistryTest, AStaleCloseNeverUnloadsTheFreshCopy) {
    QPointer<Form> stale = &m_registry.show("Frm_Main");
    m_registry.unload("Frm_Main");
    Form& fresh = m_registry.show("Frm_Main");
    ASSERT_FALSE(stale.isNull());
    QCloseEvent close;
    QApplication::sendEvent(stale, &close);
    stale->unload();
    EXPECT_EQ(m_registry.form("Frm_Main"), &fresh);
}

TEST_F(RegistryTest, WindowsStartCentredOnTheScreenOrOverTheMainWindow) {
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    auto centreOf = [](const QWidget& w) { return w.frameGeometry().center(); };
    // Frame sizes are unknown before a window is first shown, so allow for them.
    auto near = [](QPoint a, QPoint b) { return (a - b).manhattanLength() <= 8; };

    Form& third = m_registry.show("frm_Third");
    EXPECT_TRUE(near(centreOf(third), screenCentre)) << "no main window: on the screen";
    m_registry.unload("frm_Third");

    Form& main = m_registry.show("Frm_Main");
    EXPECT_TRUE(near(centreOf(main), screenCentre));
    main.move(main.pos() + QPoint(40, 30));
    const Form& second = m_registry.show("Frm_Second");
    EXPECT_TRUE(near(centreOf(second), screenCentre));
    const Form& owned = m_registry.show("frm_Third");
    EXPECT_TRUE(near(centreOf(owned), centreOf(main))) << "over the main window";
}

TEST_F(RegistryTest, MessageBoxIsModalWithTextTitleAndOnlyOk) {
    m_registry.show("Frm_Main");
    struct Seen {
        QString text, title;
        QMessageBox::Icon icon = QMessageBox::Information;
        QList<QAbstractButton*> buttons;
        Qt::WindowModality modality = Qt::NonModal;
        QString textOfOk;
    } seen;
    expectModal();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible())
            return;
        poll.stop();
        seen = {box->text(),    box->windowTitle(),    box->icon(),
                box->buttons(), box->windowModality(), box->button(QMessageBox::Ok)->text()};
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    poll.start(10);
    m_registry.messageBox(u"You can't enter Zero");

    EXPECT_EQ(seen.text, "You can't enter Zero");
    EXPECT_EQ(seen.title, "Zentaro");
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons.size(), 1);
    EXPECT_EQ(seen.modality, Qt::ApplicationModal);
    EXPECT_TRUE(m_registry.isLoaded("Frm_Main"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The application ends exactly when the last window goes, whichever it is.
TEST_F(RegistryTest, TheApplicationRunsUntilNoWindowIsLoaded) {
    QObject guard;
    std::vector<std::string> events;
    QTimer::singleShot(0, &guard, [&] {
        Form* main = visibleForms("Frm_Main").front();
        click(*main, "Command2"); // Frm_Second shows, Frm_Main unloads
        events.emplace_back("main unloaded");
        QTimer::singleShot(0, &guard, [&] {
            events.emplace_back("still running");
            click(*visibleForms("Frm_Second").front(), "Command1");
            QTimer::singleShot(0, &guard, [&] { events.emplace_back("ran after the end"); });
        });
    });
    QTimer::singleShot(5000, &guard, [] {
        ADD_FAILURE() << "the application did not end";
        QCoreApplication::exit(1);
    });
    const int result = runApplication(*qApp, lifetimeWindows(), "Frm_Main");

    EXPECT_EQ(result, 0);
    EXPECT_EQ(events, (std::vector<std::string>{"main unloaded", "still running"}));
    EXPECT_TRUE(visibleForms("Frm_Second").empty());
    EXPECT_EQ(QCoreApplication::applicationName(), "Zentaro");
    EXPECT_EQ(QCoreApplication::applicationVersion(), "1.00");
}

// Model-based: random show / unload / close box / Exit / Next / typing over
// three windows, checked after every step against what should be loaded.
class LifetimeModelTest : public UiTest {
protected:
    enum class Op { Show, Unload, CloseBox, ExitButton, NextButton, Type, Count };

    struct Model {
        std::array<bool, 3> loaded{};
        std::array<std::u16string, 3> typed;
        bool any() const { return loaded[0] || loaded[1] || loaded[2]; }
        void unload(std::size_t w) { loaded[w] = false, typed[w].clear(); }
    };

    // Returns the trace of steps taken, for the failure message.
    std::string runSequence(unsigned seed, int maxSteps);
};

std::string LifetimeModelTest::runSequence(unsigned seed, int maxSteps) {
    std::mt19937 rng(seed);
    WindowRegistry registry(lifetimeWindows());
    Model model;
    std::vector<QPointer<Form>> everLoaded;
    std::ostringstream trace;
    QObject guard; // drops pending steps if the loop ends early
    int step = 0;

    registry.show(kLifetimeNames[0]);
    model.loaded[0] = true;
    everLoaded.emplace_back(registry.form(kLifetimeNames[0]));

    auto check = [&] {
        for (std::size_t w = 0; w < 3; ++w) {
            const std::string_view name = kLifetimeNames[w];
            SCOPED_TRACE(std::string(name));
            ASSERT_EQ(registry.isLoaded(name), model.loaded[w]);
            const std::vector<Form*> visible = visibleForms(name);
            ASSERT_EQ(visible.size(), model.loaded[w] ? 1u : 0u) << "one instance, visible";
            if (model.loaded[w]) {
                EXPECT_EQ(visible.front(), registry.form(name));
                EXPECT_EQ(q(registry.form(name)->text("Txt_a")), q(model.typed[w]));
            }
        }
    };

    std::function<void()> next = [&] {
        const auto w = std::uniform_int_distribution<std::size_t>(0, 2)(rng);
        // Loading weighs more than unloading so that sequences run long.
        const auto op = static_cast<Op>(std::discrete_distribution<int>({4, 1, 1, 1, 2, 2})(rng));
        const std::string_view name = kLifetimeNames[w];
        Form* form = registry.form(name);
        trace << ' ' << static_cast<int>(op) << ':' << w;
        auto loadInModel = [&](std::size_t v) {
            if (!model.loaded[v]) {
                model.loaded[v] = true;
                everLoaded.emplace_back(registry.form(kLifetimeNames[v]));
            }
        };
        switch (op) {
        case Op::Show:
            registry.show(name);
            loadInModel(w);
            break;
        case Op::Unload:
            registry.unload(name);
            model.unload(w);
            break;
        case Op::CloseBox:
            if (form != nullptr)
                form->close();
            model.unload(w);
            break;
        case Op::ExitButton:
            if (form != nullptr)
                click(*form, "Command1");
            model.unload(w);
            break;
        case Op::NextButton:
            if (form != nullptr) {
                click(*form, "Command2");
                loadInModel((w + 1) % 3);
                model.unload(w);
            }
            break;
        case Op::Type:
            if (form != nullptr) {
                QTest::keyClicks(form->control("Txt_a"), "7");
                model.typed[w] += u"7";
            }
            break;
        case Op::Count:
            break;
        }
        check();
        if (testing::Test::HasFatalFailure()) {
            QCoreApplication::exit(2);
            return;
        }
        if (!model.any())
            return; // the registry must now end the loop
        if (++step < maxSteps) {
            QTimer::singleShot(0, &guard, next);
            return;
        }
        for (std::string_view remaining : kLifetimeNames)
            registry.unload(remaining);
        model = {};
    };

    QTimer::singleShot(0, &guard, next);
    QTimer::singleShot(10000, &guard, [] {
        ADD_FAILURE() << "the application went on with no window loaded";
        QCoreApplication::exit(3);
    });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(model.any()) << "the application ended while a window was loaded";
    flushDeletes();
    for (const QPointer<Form>& form : everLoaded)
        EXPECT_TRUE(form.isNull()) << "an unloaded window was never destroyed";
    return trace.str();
}

TEST_F(LifetimeModelTest, RandomSequencesMatchTheModel) {
    std::size_t totalSteps = 0;
    for (unsigned seed = 1; seed <= 200; ++seed) {
        std::string trace;
        {
            SCOPED_TRACE("seed " + std::to_string(seed));
            trace = runSequence(seed, 60);
        }
        totalSteps += static_cast<std::size_t>(std::count(trace.begin(), trace.end(), ':'));
        if (HasFailure()) {
            ADD_FAILURE() << "seed " << seed << " steps (op:window):" << trace;
            return;
        }
    }
    EXPECT_GT(totalSteps, 2000u) << "sequences too short to reach interesting states";
}

} // namespace
} // namespace ui::test
