// What a screen reader is told: each window's role and the names and units of
// the fields. What the screen reader makes of it was heard under Orca.

#include "ui/form.h"
#include "ui/window_registry.h"
#include "ui/windows/windows.h"

#include <QAccessible>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace ui::windows;

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
    }
}

} // namespace
