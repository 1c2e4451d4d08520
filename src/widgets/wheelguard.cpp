#include "widgets/wheelguard.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QWidget>

WheelGuard::WheelGuard(QObject* parent) : QObject(parent) {}

bool WheelGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel)
        return false;
    auto* control = qobject_cast<QWidget*>(watched);
    if (!control || control->hasFocus() || !control->parentWidget())
        return false;
    // Handed to the parent, the wheel travels up to the scroll area that holds the page.
    QApplication::sendEvent(control->parentWidget(), event);
    return true;
}

void WheelGuard::guardChildren(QWidget* root) {
    auto* guard = new WheelGuard(root);
    const auto guardOne = [guard](QWidget* w) {
        if (w->focusPolicy() == Qt::WheelFocus)
            w->setFocusPolicy(Qt::StrongFocus);
        w->installEventFilter(guard);
    };
    for (QComboBox* combo : root->findChildren<QComboBox*>())
        guardOne(combo);
    for (QAbstractSpinBox* spin : root->findChildren<QAbstractSpinBox*>())
        guardOne(spin);
}
