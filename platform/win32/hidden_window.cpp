#include "platform/win32/win32_window.h"

namespace abacone {
namespace {

constexpr wchar_t HiddenClass[] = L"AbaconeHidden";

void RegisterHiddenClass() {
    static const bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = ObjectWindowProc<HiddenWindow>;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = HiddenClass;
        return RegisterClassExW(&wc) != 0;
    }();
    (void)registered;
}

}  // namespace

HiddenWindow::HiddenWindow(Handler handler) : handler(std::move(handler)) {
    RegisterHiddenClass();
    // Never shown; WS_EX_TOOLWINDOW keeps it out of the task switcher should anything show it.
    CreateWindowExW(WS_EX_TOOLWINDOW, HiddenClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                    GetModuleHandleW(nullptr), this);
}

HiddenWindow::~HiddenWindow() {
    if (!hwnd) return;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    DestroyWindow(hwnd);
}

LRESULT HiddenWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (handler)
        if (const std::optional<LRESULT> result = handler(message, wParam, lParam)) return *result;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace abacone
