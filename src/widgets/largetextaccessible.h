#pragma once

#include <QAccessibleWidget>

class LargeTextView;

// What assistive technology reads of a LargeTextView: a read-only text with its selection and
// caret, through the text interface (offsets beyond what it counts, 2^31, are cut there); its
// value is the text up to its first 2^20 characters.
class LargeTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit LargeTextAccessible(LargeTextView* view);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

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

private:
    LargeTextView* view() const;
};

// Makes Qt's accessibility use LargeTextAccessible for every LargeTextView (once).
void installLargeTextAccessibility();
