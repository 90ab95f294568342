#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include "platform/os/os_services.h"
#include "platform/qt/qt_window.h"
#ifdef _WIN32
#include "platform/os/win32_calls.h"
#else
#include "platform/os/priority.h"
#endif

namespace abacone {

void FallbackOs::BringToFront(TopWindow* top) {
    QWidget* const window = FromTop(top);
    window->show();
    window->raise();
    window->activateWindow();
}

void FallbackOs::LowerPriority() {
#ifdef _WIN32
    win32::LowerPriority();
#else
    LowerProcessPriority();
#endif
}

bool FallbackOs::StartMove(TopWindow* top) {
    QWidget* const window = FromTop(top);
    if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) return false;
    QWindow* handle = window->windowHandle();
    return handle && handle->startSystemMove();
}

}  // namespace abacone
