#include "platform/qt/os_win32.h"

#include <windows.h>

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMetaObject>
#include <QWidget>

#include "platform/os/win32_calls.h"

namespace abacone {
namespace {

NativeWindow Own(TopWindow* top) { return static_cast<NativeWindow>(FromTop(top)->winId()); }

class Win32Services final : public OsServices, private QAbstractNativeEventFilter {
public:
    NativeWindow ForegroundWindow() override { return win32::ForegroundWindow(); }
    std::optional<Box> FrameRect(NativeWindow w) override { return win32::WindowRect(w); }
    bool IsIconic(NativeWindow w) override { return win32::IsIconicWindow(w); }
    void BringToFront(TopWindow* top) override {
        QWidget* const window = FromTop(top);
        window->show();
        win32::PullToFront(Own(window));
    }
    void RaiseAbove(TopWindow* top, NativeWindow) override {
        QWidget* const window = FromTop(top);
        win32::RaiseWithoutActivating(Own(window));
    }
    void SetSkipTaskbar(TopWindow* top, bool skip) override {
        QWidget* const window = FromTop(top);
        win32::SetTaskbarButton(Own(window), !skip);
    }
    void LowerPriority() override { win32::LowerPriority(); }
    bool StartMove(TopWindow* top) override {
        QWidget* const window = FromTop(top);
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
                QCoreApplication::instance(),
                [this] {
                    if (changed_) changed_();
                },
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
