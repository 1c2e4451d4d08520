#include "widgets/largetextaccessible.h"

#include "widgets/largetextview.h"

#include <QFontMetrics>

#include <algorithm>
#include <limits>

namespace {

constexpr qint64 kValueCharacters = 1 << 20;

int counted(qint64 offset) {
    return int(std::min<qint64>(offset, std::numeric_limits<int>::max()));
}

QAccessibleInterface* makeInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("LargeTextView"))
        if (auto* view = qobject_cast<LargeTextView*>(object))
            return new LargeTextAccessible(view);
    return nullptr;
}

} // namespace

void installLargeTextAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(makeInterface);
        return true;
    }();
    (void)installed;
}

LargeTextAccessible::LargeTextAccessible(LargeTextView* view)
    : QAccessibleWidget(view, QAccessible::EditableText) {}

LargeTextView* LargeTextAccessible::view() const {
    return static_cast<LargeTextView*>(widget());
}

void* LargeTextAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString LargeTextAccessible::text(QAccessible::Text t) const {
    // The value of a large text is its beginning: the whole is read through the text
    // interface, a part at a time, never decoded whole here.
    if (t == QAccessible::Value)
        return view()->textRange(0, kValueCharacters);
    QString s = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && s.isEmpty())
        s = view()->objectName();
    return s;
}

QAccessible::State LargeTextAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    s.selectableText = true;
    s.multiLine = true;
    s.editable = false;
    return s;
}

void LargeTextAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || view()->selectionStart() == view()->selectionEnd())
        return;
    *startOffset = counted(view()->selectionStart());
    *endOffset = counted(view()->selectionEnd());
}

int LargeTextAccessible::selectionCount() const {
    return view()->selectionStart() == view()->selectionEnd() ? 0 : 1;
}

void LargeTextAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void LargeTextAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0)
        view()->clearSelection();
}

void LargeTextAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0)
        view()->select(startOffset, qint64(endOffset) - startOffset);
}

int LargeTextAccessible::cursorPosition() const {
    return counted(view()->caret());
}

void LargeTextAccessible::setCursorPosition(int position) {
    view()->select(position, 0);
}

QString LargeTextAccessible::text(int startOffset, int endOffset) const {
    const qint64 size = view()->textSize();
    const qint64 from = std::clamp<qint64>(startOffset, 0, size);
    const qint64 to = std::clamp<qint64>(endOffset, from, size);
    return view()->textRange(from, to - from);
}

int LargeTextAccessible::characterCount() const {
    return counted(view()->textSize());
}

QRect LargeTextAccessible::characterRect(int offset) const {
    const QPoint at = view()->pointOf(offset);
    if (at.x() < 0)
        return {};
    const QFontMetrics metrics(view()->font());
    const QPoint global = view()->viewport()->mapToGlobal(at);
    return {global, QSize(metrics.horizontalAdvance(u'M'), metrics.height())};
}

int LargeTextAccessible::offsetAtPoint(const QPoint& point) const {
    return counted(view()->offsetAt(view()->viewport()->mapFromGlobal(point)));
}

void LargeTextAccessible::scrollToSubstring(int startIndex, int) {
    view()->scrollToOffset(startIndex);
}

QString LargeTextAccessible::attributes(int, int* startOffset, int* endOffset) const {
    // One run of plain text without attributes.
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}
