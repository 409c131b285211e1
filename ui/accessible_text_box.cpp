#include "ui/accessible_text_box.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <algorithm>

namespace ui {

AccessibleTextBox::AccessibleTextBox(QLineEdit* edit)
    : QAccessibleWidget(edit, QAccessible::EditableText) {}

QLineEdit* AccessibleTextBox::edit() const {
    return static_cast<QLineEdit*>(widget());
}

QAccessible::State AccessibleTextBox::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !edit()->isReadOnly();
    state.readOnly = edit()->isReadOnly();
    state.selectableText = true;
    state.passwordEdit = edit()->echoMode() != QLineEdit::Normal;
    return state;
}

QString AccessibleTextBox::text(QAccessible::Text t) const {
    if (t == QAccessible::Value)
        return edit()->displayText();
    // The unit, for Windows readers: Qt gives UI Automation the description
    // as FullDescription, which NVDA speaks, and the help as HelpText, which
    // Narrator speaks. AT-SPI carries no help text, so Orca is not told twice.
    if (t == QAccessible::Help)
        return QAccessibleWidget::text(QAccessible::Description);
    return QAccessibleWidget::text(t);
}

void AccessibleTextBox::setText(QAccessible::Text t, const QString& text) {
    if (t == QAccessible::Value)
        edit()->setText(text);
    else
        QAccessibleWidget::setText(t, text);
}

void* AccessibleTextBox::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (t == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

void AccessibleTextBox::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !edit()->hasSelectedText())
        return;
    *startOffset = edit()->selectionStart();
    *endOffset = edit()->selectionEnd();
}

int AccessibleTextBox::selectionCount() const {
    return edit()->hasSelectedText() ? 1 : 0;
}

void AccessibleTextBox::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void AccessibleTextBox::removeSelection(int selectionIndex) {
    if (selectionIndex == 0)
        edit()->deselect();
}

void AccessibleTextBox::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0)
        edit()->setSelection(startOffset, endOffset - startOffset);
}

int AccessibleTextBox::cursorPosition() const {
    return edit()->cursorPosition();
}

void AccessibleTextBox::setCursorPosition(int position) {
    edit()->setCursorPosition(position);
}

QString AccessibleTextBox::text(int startOffset, int endOffset) const {
    if (startOffset > endOffset)
        return {};
    return edit()->displayText().mid(startOffset, endOffset - startOffset);
}

int AccessibleTextBox::characterCount() const {
    return static_cast<int>(edit()->displayText().size());
}

// Measured from the caret, the one place a line edit tells its geometry; the
// caret stands at the middle of the rectangle it reports.
QRect AccessibleTextBox::characterRect(int offset) const {
    const QString shown = edit()->displayText();
    if (offset < 0 || offset >= shown.size())
        return {};
    const QFontMetrics metrics(edit()->font());
    const QRect caret = edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int x = caret.center().x() + metrics.horizontalAdvance(shown.left(offset)) -
                  metrics.horizontalAdvance(shown.left(edit()->cursorPosition()));
    const QRect local(x, caret.y(), metrics.horizontalAdvance(shown.at(offset)), caret.height());
    return local.translated(edit()->mapToGlobal(QPoint(0, 0)));
}

int AccessibleTextBox::offsetAtPoint(const QPoint& point) const {
    return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
}

void AccessibleTextBox::scrollToSubstring(int startIndex, int endIndex) {
    // Moving the caret is what scrolls a line edit; put it where the part ends.
    edit()->setCursorPosition(std::max(startIndex, endIndex));
}

QString AccessibleTextBox::attributes(int offset, int* startOffset, int* endOffset) const {
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void AccessibleTextBox::deleteText(int startOffset, int endOffset) {
    replaceText(startOffset, endOffset, {});
}

void AccessibleTextBox::insertText(int offset, const QString& text) {
    replaceText(offset, offset, text);
}

void AccessibleTextBox::replaceText(int startOffset, int endOffset, const QString& text) {
    QString changed = edit()->text();
    if (startOffset < 0 || startOffset > endOffset || endOffset > changed.size())
        return;
    changed.replace(startOffset, endOffset - startOffset, text);
    edit()->setText(changed);
}

} // namespace ui
