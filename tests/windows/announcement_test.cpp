// Windows only: the result of Solve reaches Narrator and NVDA as Qt's
// announcement, which Qt raises as a UI Automation notification event on the
// window. Recorded here as Qt hands it to the platform, in order with the
// notices that come before it.

#include "modal_responder.h"
#include "ui/form.h"
#include "ui/window_registry.h"
#include "ui/windows/windows.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace ui::windows;

QStringList g_heard;

void recordAnnouncement(QAccessibleEvent* event) {
    if (event->type() != QAccessible::Announcement)
        return;
    const auto* announcement = static_cast<QAccessibleAnnouncementEvent*>(event);
    const bool assertive =
        announcement->politeness() == QAccessible::AnnouncementPoliteness::Assertive;
    g_heard << QString("announced on %1: %2%3")
                   .arg(event->object() ? event->object()->objectName() : QString("(nothing)"),
                        announcement->message(), assertive ? " (assertive)" : "");
}

// Notices as they show, beside the announcements.
class NoticeWatch : public QObject {
public:
    NoticeWatch() { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* box = qobject_cast<QMessageBox*>(watched))
                g_heard << "notice: " + box->text();
        return false;
    }
};

struct AnnouncedRow {
    const char* name;
    const char* volts;
    const char* amps;
    const char* ohms;
    const char* heard;
};

void PrintTo(const AnnouncedRow& row, std::ostream* os) {
    *os << row.name;
}

class SolveIsAnnounced : public ::testing::TestWithParam<AnnouncedRow> {
protected:
    void SetUp() override {
        g_heard.clear();
        QAccessible::installUpdateHandler(recordAnnouncement);
        m_form = &m_registry.show(kMain);
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_form));
    }
    void TearDown() override { QAccessible::installUpdateHandler(nullptr); }

    ModalResponder m_responder;
    ui::WindowRegistry m_registry{all()};
    ui::Form* m_form = nullptr;
};

TEST_P(SolveIsAnnounced, OnceAfterAnyNoticeWithTheFocusLeftOnSolve) {
    const AnnouncedRow& row = GetParam();
    m_form->findChild<QLineEdit*>("Txt_a")->setText(row.volts);
    m_form->findChild<QLineEdit*>("Txt_b")->setText(row.amps);
    m_form->findChild<QLineEdit*>("Txt_c")->setText(row.ohms);
    auto* solve = m_form->findChild<QPushButton*>("Command1");
    solve->setFocus();
    NoticeWatch notices;
    QTest::keyClick(solve, Qt::Key_Space);
    if (!m_form->isActiveWindow())
        m_form->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([] { return !g_heard.filter("announced").isEmpty(); }));
    QTest::qWait(20); // and nothing more comes
    EXPECT_EQ(g_heard.join(" | ").toStdString(), row.heard);
    EXPECT_EQ(QApplication::focusWidget(), solve);
}

const AnnouncedRow kAnnouncedRows[] = {
    {"Resistance", "10", "4", "",
     "announced on Frm_OhmsLaw: Resistance 2.5 Ohms (assertive)"},
    {"NoResult", "10", "2", "5", "announced on Frm_OhmsLaw: OOOps..A Mistake ! (assertive)"},
    {"ZeroNotice", "0", "4", "",
     "notice: You can't enter Zero | announced on Frm_OhmsLaw: OOOps..A Mistake ! (assertive)"},
};

INSTANTIATE_TEST_SUITE_P(Results, SolveIsAnnounced, ::testing::ValuesIn(kAnnouncedRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
