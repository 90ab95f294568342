// The operating-system services over plain window handles (platform/os/win32_calls).
#include "platform/os/os_services.h"

#include "platform/os/win32_calls.h"
#include "platform/win32/win32_window.h"

namespace abacone {
namespace {

NativeWindow Own(TopWindow* top) { return reinterpret_cast<NativeWindow>(HwndOf(top)); }

class Win32Services final : public OsServices {
public:
    NativeWindow ForegroundWindow() override { return win32::ForegroundWindow(); }
    std::optional<Box> FrameRect(NativeWindow w) override {
        const std::optional<Box> frame = win32::WindowRect(w);
        if (!frame) return frame;
        return ToDesigned(*frame, SystemDpi());  // another program's frame, as the screen is measured
    }
    bool IsIconic(NativeWindow w) override { return win32::IsIconicWindow(w); }
    void BringToFront(TopWindow* top) override {
        ShowWindow(HwndOf(top), SW_SHOW);
        win32::PullToFront(Own(top));
    }
    void RaiseAbove(TopWindow* top, NativeWindow) override { win32::RaiseWithoutActivating(Own(top)); }
    void SetSkipTaskbar(TopWindow* top, bool skip) override {
        // Changing the owner hides and shows the window: only when it changes.
        const bool owned = GetWindow(HwndOf(top), GW_OWNER) != nullptr;
        if (owned != skip) win32::SetTaskbarButton(Own(top), !skip);
    }
    void LowerPriority() override { win32::LowerPriority(); }
    bool StartMove(TopWindow* top) override {
        if (GetAsyncKeyState(VK_LBUTTON) >= 0) return false;
        win32::StartMove(Own(top));
        return true;
    }
    // Windows tells only of a new taskbar; one that goes away leaves its icons to the next.
    void WatchTrayHost(std::function<void()> changed) override {
        trayWatch_.reset();
        if (!changed) return;
        trayWatch_ = std::make_unique<HiddenWindow>(
            [changed = std::move(changed)](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
                if (message != win32::TaskbarCreatedMessage()) return std::nullopt;
                changed();
                return 0;
            });
    }

private:
    std::unique_ptr<HiddenWindow> trayWatch_;
};

OsServices* installed = nullptr;

}  // namespace

OsServices& Os() {
    static Win32Services system;
    return installed ? *installed : system;
}

void SetOs(OsServices* services) { installed = services; }

void FallbackOs::BringToFront(TopWindow* top) {
    ShowWindow(HwndOf(top), SW_SHOW);
    SetForegroundWindow(HwndOf(top));
}

void FallbackOs::LowerPriority() { win32::LowerPriority(); }

bool FallbackOs::StartMove(TopWindow* top) {
    if (GetAsyncKeyState(VK_LBUTTON) >= 0) return false;
    win32::StartMove(Own(top));
    return true;
}

}  // namespace abacone
