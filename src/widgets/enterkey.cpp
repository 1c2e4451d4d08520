#include "widgets/enterkey.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

EnterKeyNavigator::EnterKeyNavigator(QWidget* window) : QObject(window), m_window(window) {}

namespace {

bool insideItemView(const QWidget* w) {
    for (; w; w = w->parentWidget())
        if (qobject_cast<const QAbstractItemView*>(w))
            return true;
    return false;
}

bool isTabStop(const QWidget* w, const QWidget* window) {
    return (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(window) &&
           w->window() == window && !w->focusProxy();
}

} // namespace

bool EnterKeyNavigator::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    if (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))
        return false;
    auto* focused = qobject_cast<QWidget*>(watched);
    if (!focused || focused != QApplication::focusWidget() || focused->window() != m_window ||
        insideItemView(focused))
        return false;
    QWidget* next = focused->nextInFocusChain();
    while (next != focused && !isTabStop(next, m_window))
        next = next->nextInFocusChain();
    next->setFocus(Qt::TabFocusReason);
    return true;
}
