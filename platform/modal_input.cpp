#include "platform/modal_input.h"

#include <QApplication>
#include <QEvent>

namespace abacone {
namespace {

ModalInput* innermost = nullptr;

bool IsKey(QEvent::Type type) { return type == QEvent::KeyPress || type == QEvent::KeyRelease; }

bool IsPointer(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick || type == QEvent::Wheel || type == QEvent::ContextMenu;
}

// Windows opened over the modal one that take their own input: popup menus, and boxes
// the toolkit runs modally itself.
bool OwnsItsInput(const QWidget* window) {
    const Qt::WindowType type = window->windowType();
    return type == Qt::Popup || type == Qt::ToolTip || window->isModal();
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
    }
    return true;
}

QWidget* ActiveModalWindow() {
    if (QWidget* box = QApplication::activeModalWidget()) return box;
    QWidget* window = innermost ? innermost->window_.data() : nullptr;
    return window && window->isVisible() ? window : nullptr;
}

}  // namespace abacone
