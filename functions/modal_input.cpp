#include "functions/modal_input.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace abacone {
namespace {

bool IsKey(QEvent::Type type) { return type == QEvent::KeyPress || type == QEvent::KeyRelease; }

bool IsPointer(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick || type == QEvent::Wheel || type == QEvent::ContextMenu;
}

}  // namespace

ModalInput::ModalInput(QWidget* window) : window_(window) { qApp->installEventFilter(this); }

ModalInput::~ModalInput() { qApp->removeEventFilter(this); }

bool ModalInput::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() == window_) return false;
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
        QWidget* target = window_->focusWidget() ? window_->focusWidget() : window_;
        QCoreApplication::sendEvent(target, event);
    }
    return true;
}

}  // namespace abacone
