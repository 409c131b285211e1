#pragma once

// Base fixture for widget tests: a modal box that no test asked for fails the
// test and is closed, instead of hanging the run.

#include <QTimer>
#include <gtest/gtest.h>

namespace ui::test {

class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Lets the next modal box through: the test dismisses it itself.
    void expectModal() { m_modalExpected = true; }

    // Runs the event loop until only deferred deletions are left to do.
    static void flushDeletes();

private:
    QTimer m_watchdog;
    bool m_modalExpected = false;
};

} // namespace ui::test
