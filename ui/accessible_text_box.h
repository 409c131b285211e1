#pragma once

// What a screen reader reads of a text box: Qt's own account of a line edit,
// but with text attributes that cover the whole text.
//
// Qt 6.4 says a line edit's attributes run from each offset to itself; Orca
// 43 joins those empty runs into one that stops a character short and speaks
// a box holding "10" as "1", and one holding "4" as nothing. A box has no
// attributes at all, so here one run spans its text.
// Ex: for "10", attributes(0, &start, &end) == "" with start 0, end 2.

#include <QAccessibleWidget>

class QLineEdit;

namespace ui {

class AccessibleTextBox : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    explicit AccessibleTextBox(QLineEdit* edit);

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    QLineEdit* edit() const;
};

} // namespace ui
