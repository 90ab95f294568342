#include "platform/os/os_win32.h"

#include <windows.h>

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMetaObject>
#include <QWidget>

#include "platform/os/win32_calls.h"

namespace abacone {
namespace {

NativeWindow Own(QWidget* window) { return static_cast<NativeWindow>(window->winId()); }

class Win32Services final : public OsServices, private QAbstractNativeEventFilter {
public:
    NativeWindow ForegroundWindow() override { return win32::ForegroundWindow(); }
    std::optional<ScreenRect> FrameRect(NativeWindow w) override { return win32::WindowRect(w); }
    bool IsIconic(NativeWindow w) override { return win32::IsIconicWindow(w); }
    void BringToFront(QWidget* window) override {
        window->show();
        win32::PullToFront(Own(window));
    }
    void RaiseAbove(QWidget* window, NativeWindow) override {
        win32::RaiseWithoutActivating(Own(window));
    }
    void SetSkipTaskbar(QWidget* window, bool skip) override {
        win32::SetTaskbarButton(Own(window), !skip);
    }
    void LowerPriority() override { win32::LowerPriority(); }
    bool StartMove(QWidget* window) override {
        if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) return false;
        win32::StartMove(Own(window));
        return true;
    }
    void WatchTrayHost(std::function<void()> changed) override {
        changed_ = std::move(changed);
        if (!changed_ || filtering_) return;
        filtering_ = true;
        taskbarCreated_ = win32::TaskbarCreatedMessage();
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

private:
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "windows_generic_MSG" || !changed_) return false;
        if (static_cast<const MSG*>(message)->message == taskbarCreated_) {
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [this] { if (changed_) changed_(); },
                Qt::QueuedConnection);
        }
        return false;
    }

    std::function<void()> changed_;
    unsigned taskbarCreated_ = 0;
    bool filtering_ = false;
};

}  // namespace

OsServices& Win32Os() {
    static Win32Services services;
    return services;
}

}  // namespace abacone
