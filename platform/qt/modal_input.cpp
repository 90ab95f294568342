#include "platform/qt/modal_input.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>

namespace abacone {
namespace {

ModalInput* innermost = nullptr;
// The window the last modal run gave the activation back to.
QPointer<QWidget> lastOwner;

bool CanOwn(const QWidget* window, const QWidget* modal) { return window && window != modal && window->isVisible(); }

bool IsKey(QEvent::Type type) { return type == QEvent::KeyPress || type == QEvent::KeyRelease; }

bool IsPointer(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick || type == QEvent::Wheel || type == QEvent::ContextMenu;
}

// Windows that take their own input while a modal window is up: popup menus and boxes
// the toolkit runs modally itself, opened over it, and the notification-area icon (an X11
// widget of Qt's own), whose press must still bring the program back from elsewhere.
bool OwnsItsInput(const QWidget* window) {
    const Qt::WindowType type = window->windowType();
    return type == Qt::Popup || type == Qt::ToolTip || window->isModal() || window->inherits("QSystemTrayIconSys");
}

}  // namespace

ModalInput::ModalInput(QWidget* window) : window_(window), outer_(innermost) {
    innermost = this;
    qApp->installEventFilter(this);
}

ModalInput::~ModalInput() {
    qApp->removeEventFilter(this);
    innermost = outer_;
}

bool ModalInput::eventFilter(QObject* watched, QEvent* event) {
    if (this != innermost || !window_) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() == window_ || OwnsItsInput(widget->window())) return false;
    const QEvent::Type type = event->type();
    if (type == QEvent::WindowActivate) {
        if (widget->isWindow() && window_->isVisible()) {
            window_->raise();
            window_->activateWindow();
        }
        return false;
    }
    if (type == QEvent::ShortcutOverride) return true;
    if (!IsKey(type) && !IsPointer(type)) return false;
    if (!window_->isVisible()) {
        // Closed, but its answer is not used yet: input that comes now belongs after it.
        QCoreApplication::postEvent(watched, event->clone());
        return true;
    }
    if (IsKey(type)) {
        QWidget* target = window_->focusWidget() ? window_->focusWidget() : window_.data();
        QCoreApplication::sendEvent(target, event);
        // Taken: a key sent to a control would otherwise come up to its window and be
        // sent over a second time.
        event->accept();
    }
    return true;
}

ActivationReturn::ActivationReturn(const QWidget* modal) {
    QWidget* active = QApplication::activeWindow();
    if (CanOwn(active, modal))
        owner_ = active;
    else if (CanOwn(lastOwner, modal))
        owner_ = lastOwner;
}

ActivationReturn::~ActivationReturn() {
    lastOwner = owner_;
    if (owner_ && owner_->isVisible() && QGuiApplication::applicationState() == Qt::ApplicationActive)
        owner_->activateWindow();
}

QWidget* ActiveModalWindow() {
    if (QWidget* box = QApplication::activeModalWidget()) return box;
    QWidget* window = innermost ? innermost->window_.data() : nullptr;
    return window && window->isVisible() ? window : nullptr;
}

}  // namespace abacone
