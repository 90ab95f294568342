#include "platform/os/win32_calls.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace abacone::win32 {
namespace {

HWND Handle(NativeWindow w) { return reinterpret_cast<HWND>(w); }

constexpr UINT PullFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW;                    // 0x43
constexpr UINT RaiseFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW;  // 0x53
constexpr WPARAM MoveByCaption = 0xF012;                                                // SC_MOVE + HTCAPTION

// SetWindowPos with the input queue joined to the foreground window's thread.
void PositionWithForegroundInput(HWND own, UINT flags) {
    const DWORD a = GetWindowThreadProcessId(own, nullptr);
    const DWORD b = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
    AttachThreadInput(a, b, TRUE);
    SetWindowPos(own, HWND_TOP, 0, 0, 0, 0, flags);
    AttachThreadInput(a, b, FALSE);
}

HWND HiddenOwner() {
    static HWND owner =
        CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    return owner;
}

}  // namespace

NativeWindow ForegroundWindow() { return reinterpret_cast<NativeWindow>(GetForegroundWindow()); }

std::optional<Box> WindowRect(NativeWindow window) {
    RECT r;
    if (!window || !GetWindowRect(Handle(window), &r)) return std::nullopt;
    return Box::FromEdges(r.left, r.top, r.right, r.bottom);
}

bool IsIconicWindow(NativeWindow window) { return window && IsIconic(Handle(window)); }

void PullToFront(NativeWindow own) {
    PositionWithForegroundInput(Handle(own), PullFlags);
    SetForegroundWindow(Handle(own));
}

void RaiseWithoutActivating(NativeWindow own) { PositionWithForegroundInput(Handle(own), RaiseFlags); }

void SetTaskbarButton(NativeWindow own, bool shown) {
    const HWND w = Handle(own);
    // The taskbar looks at the owner when a window is shown.
    const bool visible = IsWindowVisible(w);
    if (visible) ShowWindow(w, SW_HIDE);
    SetWindowLongPtrA(w, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(shown ? nullptr : HiddenOwner()));
    if (visible) ShowWindow(w, SW_SHOWNA);
}

void LowerPriority() {
    SetPriorityClass(GetCurrentProcess(), IDLE_PRIORITY_CLASS);
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_IDLE);
}

void StartMove(NativeWindow own) {
    ReleaseCapture();
    SendMessageA(Handle(own), WM_SYSCOMMAND, MoveByCaption, 0);
}

unsigned TaskbarCreatedMessage() { return RegisterWindowMessageA("TaskbarCreated"); }

}  // namespace abacone::win32
