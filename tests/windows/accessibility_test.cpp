// What a screen reader is told: each window's role, the names and units of
// the fields, the focus news when Tab enters a text box, and the result of
// Solve spoken after any notice, with the focus left where it was. What the
// screen reader makes of it was heard under Orca; here the accessibility
// events themselves are recorded, as Qt hands them to the platform.

#include "modal_responder.h"
#include "ui/accessibility.h"
#include "ui/accessible_text_box.h"
#include "ui/form.h"
#include "ui/window_registry.h"
#include "ui/windows/windows.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace ui::windows;

// What a screen reader would be told while a Recorder lives, one line each:
// "notice: <text>" when a message box shows, "spoken: <text>" when a widget
// of the notification role shows, "focus: <control>" and "selection:
// <control>" (a text box). Offscreen, Qt sends no accessibility events at all,
// so the recorder watches what causes them: a widget shown, the focus given
// (Qt tells the screen reader right after focusChanged), a selection made.
class Recorder : public QObject {
public:
    explicit Recorder(ui::Form& form) {
        qApp->installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            m_lines << "focus: " + (now ? now->objectName() : QString("(none)"));
        });
        for (QLineEdit* edit : form.findChildren<QLineEdit*>())
            connect(edit, &QLineEdit::selectionChanged, this,
                    [this, edit] { m_lines << "selection: " + edit->objectName(); });
    }

    const QStringList& lines() const { return m_lines; }
    QStringList linesStartingWith(const QString& prefix) const {
        return m_lines.filter(QRegularExpression('^' + QRegularExpression::escape(prefix)));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show)
            return false;
        if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            m_lines << "notice: " + box->text();
        } else if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(watched);
                   iface != nullptr && iface->role() == QAccessible::Notification) {
            m_lines << "spoken: " + iface->text(QAccessible::Name);
        }
        return false;
    }

private:
    QStringList m_lines;
};

QAccessibleInterface* accessible(ui::Form& form, const char* control) {
    QWidget* w = form.findChild<QWidget*>(control);
    return w ? QAccessible::queryAccessibleInterface(w) : nullptr;
}

TEST(Accessibility, WindowsAreFramesButTheTheoryPageReadsAsADialog) {
    ui::WindowRegistry registry(all());
    const struct {
        std::string_view window;
        QAccessible::Role role;
    } rows[] = {
        {kMain, QAccessible::Window},
        {kTheory, QAccessible::Dialog},
        {kAbout, QAccessible::Window},
    };
    for (const auto& row : rows) {
        ui::Form& form = registry.show(row.window);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&form);
        ASSERT_NE(iface, nullptr) << row.window;
        EXPECT_EQ(iface->role(), row.role) << row.window;
        EXPECT_EQ(iface->text(QAccessible::Name), form.windowTitle()) << row.window;
        // Only screen readers hear of the dialog: for the window system every
        // window stays a resizable top-level one with minimise and maximise.
        EXPECT_EQ(form.windowType(), Qt::Window) << row.window;
        EXPECT_TRUE(form.windowFlags().testFlags(Qt::WindowMinMaxButtonsHint)) << row.window;
    }
}

TEST(Accessibility, ControlsAreNamedAndFieldsCarryTheirUnits) {
    ui::WindowRegistry registry(all());
    const struct {
        std::string_view window;
        const char* control;
        const char* name;
        const char* description;
    } rows[] = {
        {kMain, "Txt_a", "Voltage", "Volts"},
        {kMain, "Txt_b", "Current", "Amps"},
        {kMain, "Txt_c", "Resistance", "Ohms"},
        {kMain, "Picture1", "Parvelin logo", ""},
        {kMain, "Command1", "Solve", ""},
        {kAbout, "Picture1", "Parvelin logo", ""},
        {kTheory, "Picture1", "Parvelin logo", ""},
        // The formula's letters are too short to be read with the page; its
        // first label stands for the whole of it.
        {kTheory, "Label3", "I = V / R", ""},
        {kTheory, "Label1", "What is Ohm's Law", ""},
    };
    for (const auto& row : rows) {
        QAccessibleInterface* iface = accessible(registry.show(row.window), row.control);
        ASSERT_NE(iface, nullptr) << row.control;
        EXPECT_EQ(iface->text(QAccessible::Name).toStdString(), row.name) << row.control;
        EXPECT_EQ(iface->text(QAccessible::Description).toStdString(), row.description)
            << row.control;
        // UI Automation's HelpText, which Narrator speaks; NVDA reads the
        // description. AT-SPI has no help text, so Orca hears the unit once.
        EXPECT_EQ(iface->text(QAccessible::Help).toStdString(), row.description) << row.control;
    }
}

// Only the windows' own text boxes read their text in whole runs; other line
// edits keep Qt's account of them.
TEST(Accessibility, TheCalculatorsBoxesReadTheirWholeText) {
    ui::WindowRegistry registry(all());
    ui::Form& form = registry.show(kMain);
    for (const char* name : {"Txt_a", "Txt_b", "Txt_c"}) {
        form.findChild<QLineEdit*>(name)->setText("10");
        QAccessibleTextInterface* text = accessible(form, name)->textInterface();
        ASSERT_NE(text, nullptr) << name;
        int start = -1, end = -1;
        text->attributes(1, &start, &end);
        EXPECT_EQ(text->text(start, end).toStdString(), "10") << name;
    }
    QLineEdit other("10");
    EXPECT_EQ(dynamic_cast<ui::AccessibleTextBox*>(QAccessible::queryAccessibleInterface(&other)),
              nullptr);
}

class HeardOnTheCalculator : public ::testing::Test {
protected:
    void SetUp() override {
        m_form = &m_registry.show(kMain);
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_form));
    }
    QLineEdit* box(const char* name) { return m_form->findChild<QLineEdit*>(name); }

    ModalResponder m_responder;
    ui::WindowRegistry m_registry{all()};
    ui::Form* m_form = nullptr;
};

// Orca takes a focus that follows news of the same box's selection for old
// news and stays silent: the focus must be told first, by Tab or Shift+Tab,
// and the text still be selected so that typing replaces it.
TEST_F(HeardOnTheCalculator, FocusIsToldBeforeTheSelectionAndTypingReplacesTheText) {
    box("Txt_a")->setText("10");
    box("Txt_b")->setText("4");
    const struct {
        const char* from;
        Qt::Key key;
        const char* to;
        const char* news;
        const char* typed;
        const char* after;
    } rows[] = {
        {"Txt_a", Qt::Key_Tab, "Txt_b", "focus: Txt_b | selection: Txt_b", "7", "7"},
        {"Txt_b", Qt::Key_Tab, "Txt_c", "focus: Txt_c", "3", "3"}, // empty: nothing to select
        {"Txt_b", Qt::Key_Backtab, "Txt_a", "focus: Txt_a | selection: Txt_a", "25", "25"},
    };
    for (const auto& row : rows) {
        box(row.from)->setFocus();
        Recorder recorder(*m_form);
        QTest::keyClick(box(row.from), row.key);
        QTest::qWait(20);
        ASSERT_EQ(QApplication::focusWidget(), box(row.to)) << row.to;
        const QStringList news = recorder.lines().filter(
            QRegularExpression(QString("^(focus|selection): %1$").arg(row.to)));
        EXPECT_EQ(news.join(" | ").toStdString(), row.news);
        QTest::keyClicks(box(row.to), row.typed);
        EXPECT_EQ(box(row.to)->text().toStdString(), row.after) << row.to;
    }
}

TEST_F(HeardOnTheCalculator, AClickStillPlacesTheCaretWithoutSelecting) {
    box("Txt_a")->setText("10");
    box("Txt_b")->setFocus();
    QTest::mouseClick(box("Txt_a"), Qt::LeftButton, {}, {2, 10});
    QTest::qWait(20);
    EXPECT_EQ(QApplication::focusWidget(), box("Txt_a"));
    EXPECT_FALSE(box("Txt_a")->hasSelectedText());
}

struct SpokenRow {
    const char* name;
    const char* volts;
    const char* amps;
    const char* ohms;
    const char* heard; // what the screen reader is handed, in order
};

void PrintTo(const SpokenRow& row, std::ostream* os) {
    *os << row.name;
}

class SolveIsSpoken : public HeardOnTheCalculator,
                      public ::testing::WithParamInterface<SpokenRow> {};

TEST_P(SolveIsSpoken, AfterAnyNoticeWithTheFocusLeftOnSolve) {
    const SpokenRow& row = GetParam();
    box("Txt_a")->setText(row.volts);
    box("Txt_b")->setText(row.amps);
    box("Txt_c")->setText(row.ohms);
    auto* solve = m_form->findChild<QPushButton*>("Command1");
    solve->setFocus();
    Recorder recorder(*m_form);
    QTest::keyClick(solve, Qt::Key_Space);
    // A closed message box leaves the offscreen window inactive; a window
    // manager gives the focus back to the calculator, and so does the test.
    if (!m_form->isActiveWindow()) {
        EXPECT_TRUE(recorder.linesStartingWith("spoken:").isEmpty());
        m_form->activateWindow();
    }
    ASSERT_TRUE(
        QTest::qWaitFor([&recorder] { return !recorder.linesStartingWith("spoken:").isEmpty(); }));
    QTest::qWait(20); // and nothing more comes

    // In the order they came: any notice first, then the result.
    const QStringList heard = recorder.lines().filter(QRegularExpression("^(notice|spoken): "));
    EXPECT_EQ(heard.join(" | ").toStdString(), row.heard);
    EXPECT_EQ(QApplication::focusWidget(), solve);
}

const SpokenRow kSpokenRows[] = {
    {"Resistance", "10", "4", "", "spoken: Resistance 2.5 Ohms"},
    {"Current", "10", "", "4", "spoken: Current 2.5 Amperes"},
    {"Voltage", "", "2", "5", "spoken: Voltage 10 Volts"},
    {"NoResult", "10", "2", "5", "spoken: OOOps..A Mistake !"},
    {"ZeroNotice", "0", "4", "", "notice: You can't enter Zero | spoken: OOOps..A Mistake !"},
    {"TwoZeroNotices", "0", "0", "",
     "notice: You can't enter Zero | notice: You can't enter Zero | spoken: OOOps..A Mistake !"},
};

INSTANTIATE_TEST_SUITE_P(Results, SolveIsSpoken, ::testing::ValuesIn(kSpokenRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HeardOnTheCalculator, EachSolveIsSpokenAgainEvenWithTheSameResult) {
    box("Txt_a")->setText("10");
    box("Txt_b")->setText("4");
    auto* solve = m_form->findChild<QPushButton*>("Command1");
    Recorder recorder(*m_form);
    for (int i = 0; i < 2; ++i) {
        solve->click();
        QTest::qWait(20);
    }
    EXPECT_EQ(recorder.linesStartingWith("spoken:").join(" | ").toStdString(),
              "spoken: Resistance 2.5 Ohms | spoken: Resistance 2.5 Ohms");
}

TEST_F(HeardOnTheCalculator, SpeakingChangesNoPixelAndNoFocusOrder) {
    const QImage before = m_form->grab().toImage();
    {
        Recorder recorder(*m_form);
        ui::announce(*m_form, u"Resistance 2.5 Ohms");
        QTest::qWait(20);
        ASSERT_EQ(recorder.linesStartingWith("spoken:").size(), 1);
    }
    EXPECT_EQ(m_form->grab().toImage(), before);

    QStringList visited;
    for (int i = 0; i < 9; ++i) {
        QWidget* focus = QApplication::focusWidget();
        visited << (focus ? focus->objectName() : QString("(none)"));
        QTest::keyClick(focus ? focus : m_form, Qt::Key_Tab);
    }
    EXPECT_EQ(visited.join(' ').toStdString(),
              "Txt_a Txt_b Txt_c Command1 Command2 Command4 Command3 Command5 Picture1");
}

} // namespace
