// A text box as a screen reader reads and edits it through the accessible
// text interface: whole text runs, the selection, the caret, and edits.

#include "ui/accessible_text_box.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Orca reads the line as the joined attribute runs from offset 0: with runs
// that stopped a character short, "10" was heard as "1". Every offset must
// give a run over the whole text.
TEST(AccessibleTextBox, EveryOffsetReportsOneRunOverTheWholeText) {
    const struct {
        const char* text;
        int offset;
    } rows[] = {{"4", 0}, {"10", 0}, {"10", 1}, {"10", 2}, {"2.5", 1}, {"", 0}};
    for (const auto& row : rows) {
        QLineEdit edit(row.text);
        ui::AccessibleTextBox box(&edit);
        int start = -1, end = -1;
        EXPECT_EQ(box.attributes(row.offset, &start, &end).toStdString(), "");
        EXPECT_EQ(start, 0) << row.text << " at " << row.offset;
        EXPECT_EQ(end, int(qstrlen(row.text))) << row.text << " at " << row.offset;
        EXPECT_EQ(box.text(start, end).toStdString(), row.text);
    }
}

TEST(AccessibleTextBox, TellsTheValueCaretAndSelectionAsTheBoxHasThem) {
    QLineEdit edit("12.5");
    ui::AccessibleTextBox box(&edit);
    EXPECT_EQ(box.role(), QAccessible::EditableText);
    EXPECT_TRUE(box.state().editable);
    EXPECT_TRUE(box.state().selectableText);
    EXPECT_EQ(box.text(QAccessible::Value).toStdString(), "12.5");
    EXPECT_EQ(box.characterCount(), 4);
    EXPECT_EQ(box.textInterface(), static_cast<QAccessibleTextInterface*>(&box));
    EXPECT_NE(box.editableTextInterface(), nullptr);

    edit.setSelection(1, 2);
    int start = -1, end = -1;
    EXPECT_EQ(box.selectionCount(), 1);
    box.selection(0, &start, &end);
    EXPECT_EQ(box.text(start, end).toStdString(), "2.");

    box.removeSelection(0);
    EXPECT_EQ(box.selectionCount(), 0);
    box.selection(0, &start, &end);
    EXPECT_EQ(std::pair(start, end), std::pair(0, 0));

    box.setCursorPosition(2);
    EXPECT_EQ(box.cursorPosition(), 2);
    box.setSelection(0, 0, 4);
    EXPECT_EQ(edit.selectedText().toStdString(), "12.5");
}

TEST(AccessibleTextBox, EditsChangeTheBoxAndOutOfRangeEditsAreIgnored) {
    const struct {
        const char* name;
        int start, end;
        const char* inserted;
        const char* after;
    } rows[] = {
        {"insert", 1, 1, "0", "10.5"},    {"delete", 0, 1, "", "0.5"},
        {"replace", 0, 4, "7", "7"},      {"past the end", 3, 9, "x", "10.5"},
        {"backwards", 2, 1, "x", "10.5"},
    };
    for (const auto& row : rows) {
        QLineEdit edit(row.name == std::string("insert") ? "1.5" : "10.5");
        ui::AccessibleTextBox box(&edit);
        box.replaceText(row.start, row.end, row.inserted);
        EXPECT_EQ(edit.text().toStdString(), row.after) << row.name;
    }
    QLineEdit edit("10");
    ui::AccessibleTextBox box(&edit);
    box.insertText(2, "0");
    box.deleteText(0, 1);
    EXPECT_EQ(edit.text().toStdString(), "00");
    box.setText(QAccessible::Value, "3");
    EXPECT_EQ(edit.text().toStdString(), "3");
}

TEST(AccessibleTextBox, CharactersLieInsideTheBoxFromLeftToRight) {
    QLineEdit edit("123");
    edit.resize(100, 30);
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    ui::AccessibleTextBox box(&edit);
    const QRect inside(edit.mapToGlobal(QPoint(0, 0)), edit.size());
    QRect previous;
    for (int i = 0; i < 3; ++i) {
        const QRect r = box.characterRect(i);
        EXPECT_TRUE(inside.contains(r)) << i;
        if (i > 0) {
            EXPECT_GE(r.left(), previous.right()) << i;
        }
        EXPECT_EQ(box.offsetAtPoint(r.center() + QPoint(-r.width() / 4, 0)), i) << i;
        previous = r;
    }
    EXPECT_TRUE(box.characterRect(3).isNull());
}

} // namespace
