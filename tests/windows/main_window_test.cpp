// The calculator driven as a user drives it: keys into the fields, clicks on
// the buttons, and the zero notice answered through the real message box.

#include "modal_responder.h"
#include "ui/form.h"
#include "ui/window_registry.h"
#include "ui/windows/windows.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        m_form = &m_registry.show(ui::windows::kMain);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_form));
    }

    template <typename W = QWidget>
    W* control(const char* name) {
        auto* w = m_form->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    void type(const char* field, const QString& text) {
        auto* edit = control<QLineEdit>(field);
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }

    void click(const char* button) { QTest::mouseClick(control(button), Qt::LeftButton); }

    // The result line as the user reads it: name | value | unit.
    QString resultLine() {
        return control<QLabel>("Lbl_n")->text() + " | " + control<QLabel>("Lbl_m")->text() +
               " | " + control<QLabel>("Lbl_q")->text();
    }

    ModalResponder m_responder;
    ui::WindowRegistry m_registry{ui::windows::all()};
    ui::Form* m_form = nullptr;
};

struct SolveRow {
    const char* name;
    const char* volts;
    const char* amps;
    const char* ohms;
    int notices;
    const char* result;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const SolveRow& j, std::ostream* os) { *os << j.name; }

class SolveByHand : public MainWindow, public ::testing::WithParamInterface<SolveRow> {};

TEST_P(SolveByHand, ShowsTheResultLineAndCountsNotices) {
    const SolveRow& row = GetParam();
    type("Txt_a", row.volts);
    type("Txt_b", row.amps);
    type("Txt_c", row.ohms);
    click("Command1");

    EXPECT_EQ(resultLine().toStdString(), row.result);
    EXPECT_EQ(m_responder.texts().size(), row.notices);
    for (int i = 0; i < m_responder.texts().size(); ++i) {
        EXPECT_EQ(m_responder.texts()[i].toStdString(), "You can't enter Zero");
        EXPECT_EQ(m_responder.titles()[i].toStdString(), "Zentaro");
    }
    // The inputs are the user's: Solve never writes them.
    EXPECT_EQ(control<QLineEdit>("Txt_a")->text().toStdString(), row.volts);
}

const SolveRow kSolveRows[] = {
    {"Voltage", "", "2", "5", 0, "Voltage | 10 | Volts"},
    {"Current", "10", "", "4", 0, "Current | 2.5 | Amperes"},
    {"ResistanceRounded", "10", "3", "", 0, "Resistance | 3.333 | Ohms"},
    {"NegativesCancel", "-10", "-2", "", 0, "Resistance | 5 | Ohms"},
    {"LeadingNumberOnly", "12abc", "4", "", 0, "Resistance | 3 | Ohms"},
    {"PositiveRoundsToZero", "0.0001", "1", "", 0, "Resistance | 0 | Ohms"},
    {"AllFilled", "10", "2", "5", 0, " | OOOps..A Mistake ! | "},
    {"NothingFilled", "", "", "", 0, " | OOOps..A Mistake ! | "},
    {"ZeroVoltage", "0", "2", "", 1, " | OOOps..A Mistake ! | "},
    {"TwoZeros", "0", "0", "", 2, " | OOOps..A Mistake ! | "},
    {"NegativeResult", "-10", "2", "", 0, " | OOOps..A Mistake ! | "},
    {"BlanksAreNotEmpty", "  ", "2", "", 0, " | OOOps..A Mistake ! | "},
    {"HugeInputIsNoNumber", "1E400", "2", "", 0, " | OOOps..A Mistake ! | "},
};

INSTANTIATE_TEST_SUITE_P(Outcomes, SolveByHand, ::testing::ValuesIn(kSolveRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindow, AFailedSolveClearsTheNameAndUnitOfTheLastOne) {
    type("Txt_a", "10");
    type("Txt_b", "3");
    click("Command1");
    ASSERT_EQ(resultLine().toStdString(), "Resistance | 3.333 | Ohms");
    type("Txt_c", "5");
    click("Command1");
    EXPECT_EQ(resultLine().toStdString(), " | OOOps..A Mistake ! | ");
}

TEST_F(MainWindow, ResetEmptiesEveryFieldAndLeavesTheFocus) {
    type("Txt_a", "10");
    type("Txt_b", "4");
    click("Command1");
    control("Txt_b")->setFocus();
    control<QPushButton>("Command2")->click(); // as a shortcut would: no focus change by itself
    EXPECT_EQ(QApplication::focusWidget(), control("Txt_b"));
    for (const char* name : {"Txt_a", "Txt_b", "Txt_c"})
        EXPECT_EQ(control<QLineEdit>(name)->text().toStdString(), "") << name;
    EXPECT_EQ(resultLine().toStdString(), " |  | ");
}

TEST_F(MainWindow, EnterInAFieldDoesNotSolve) {
    type("Txt_a", "10");
    type("Txt_b", "4");
    QTest::keyClick(control("Txt_b"), Qt::Key_Return);
    EXPECT_EQ(resultLine().toStdString(), " |  | ");
}

// A paste far beyond QLineEdit's default limit of 32,767 characters stays whole, and Solve reads
// all of it: the digit at the very end is read too, since blanks between digits are skipped.
TEST_F(MainWindow, ALongPasteIsKeptWholeAndSolveReadsAllOfIt) {
    const QString pasted = u'1' + QString(99'998, u' ') + u'2';
    const struct {
        const char* name;
        QString typedAfter;
        const char* result;
    } rows[] = {
        {"PasteAlone", {}, "Resistance | 3 | Ohms"},       // 12 / 4
        {"TypedAfterPaste", "0", "Resistance | 30 | Ohms"}, // 120 / 4: typing is not cut either
    };
    for (const auto& row : rows) {
        type("Txt_a", {});
        type("Txt_b", "4");
        auto* volts = control<QLineEdit>("Txt_a");
        volts->setFocus();
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(volts, Qt::Key_V, Qt::ControlModifier);
        if (!row.typedAfter.isEmpty())
            QTest::keyClicks(volts, row.typedAfter);
        const QString expected = pasted + row.typedAfter;
        EXPECT_EQ(volts->text().size(), expected.size()) << row.name;
        EXPECT_TRUE(volts->text() == expected) << row.name;
        click("Command1");
        EXPECT_EQ(resultLine().toStdString(), row.result) << row.name;
    }
}

// Results are written with the user's decimal separator; input reads only ".".
TEST_F(MainWindow, UnderACommaLocaleResultsUseTheCommaAndInputStillReadsThePoint) {
    const struct {
        const char* volts;
        const char* amps;
        const char* ohms;
        const char* result;
    } rows[] = {
        {"10", "", "4", "Current | 2,5 | Amperes"},
        {"2,5", "1", "", "Resistance | 2 | Ohms"},
    };
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    for (const auto& row : rows) {
        type("Txt_a", row.volts);
        type("Txt_b", row.amps);
        type("Txt_c", row.ohms);
        click("Command1");
        EXPECT_EQ(resultLine().toStdString(), row.result) << row.volts;
    }
    QLocale::setDefault(saved);
}

} // namespace
