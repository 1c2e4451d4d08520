#include "widgets/busywait.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace {

std::atomic<bool> cancelled = false;
int waits = 0;        // nested waits running
int cancelScopes = 0; // CancelScopes alive

const char* const kAcceptsInput = "quorvaAcceptsInputWhileWaiting";

bool isUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::InputMethod:
        return true;
    default:
        return false;
    }
}

bool acceptsInput(QObject* target) {
    // Window-level events are passed on to widgets, where they are judged; a shortcut is judged
    // by the widget it belongs to.
    if (target->inherits("QWindow"))
        return true;
    QObject* o = target;
    while (o && !o->isWidgetType())
        o = o->parent();
    auto* w = static_cast<QWidget*>(o);
    if (!w)
        return true;
    // A modal dialog opened meanwhile (the question asked on closing) takes its own input.
    if (QWidget* modal = QApplication::activeModalWidget();
        modal && (modal == w || modal->isAncestorOf(w)))
        return true;
    for (QWidget* p = w; p; p = p->parentWidget())
        if (p->property(kAcceptsInput).toBool())
            return true;
    return false;
}

// Refuses user input while a wait runs, except for the widgets that cancel it; Esc cancels.
class InputGuard : public QObject {
public:
    bool eventFilter(QObject* target, QEvent* event) override {
        if (!isUserInput(event->type()) || acceptsInput(target))
            return false;
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
            !QApplication::activeModalWidget())
            requestCancel();
        return true;
    }
};

QPointer<InputGuard> guard;

} // namespace

bool isWaitingForWork() {
    return waits > 0;
}

const std::atomic<bool>* cancelFlag() {
    return &cancelled;
}

void requestCancel() {
    if (waits > 0 || cancelScopes > 0)
        cancelled = true;
}

bool cancelRequested() {
    return cancelled.load();
}

CancelScope::CancelScope() {
    if (cancelScopes++ == 0 && waits == 0)
        cancelled = false;
}

CancelScope::~CancelScope() {
    --cancelScopes;
}

WaitSignals& waitSignals() {
    static WaitSignals* signals = new WaitSignals; // lives as long as the program
    return *signals;
}

void acceptInputWhileWaiting(QWidget* widget) {
    widget->setProperty(kAcceptsInput, true);
}

WaitScope::WaitScope(const QString& what) {
    if (waits++ == 0) {
        if (cancelScopes == 0)
            cancelled = false;
        guard = new InputGuard;
        qApp->installEventFilter(guard);
        QApplication::setOverrideCursor(Qt::BusyCursor);
    }
    Q_EMIT waitSignals().started(what);
}

WaitScope::~WaitScope() {
    if (--waits == 0) {
        QApplication::restoreOverrideCursor();
        delete guard.data();
    }
    Q_EMIT waitSignals().ended();
}
