#pragma once

#include <QObject>

class QWidget;

// A combo box, spin box or date picker takes the mouse wheel only when it has the focus; the
// wheel passing over one that has not scrolls the page around it instead of changing its
// value unseen.
class WheelGuard : public QObject {
public:
    explicit WheelGuard(QObject* parent);
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Guards every such control under root (a guard parented to root serves them all); the
    // wheel no longer gives them the focus either.
    static void guardChildren(QWidget* root);
};
