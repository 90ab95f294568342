// Per-monitor DPI: the windows above lay out in designed pixels, the pixels of a 96-dpi
// screen; this layer converts at its edge, sizes at the window's own DPI and screen
// positions at the system's, and makes fonts at the scaled size, so a window on a 150%
// screen is drawn one and a half times as large and as crisp as at 100%.
#include "platform/win32/win32_window.h"

namespace abacone {
namespace {

// Functions of newer systems, looked up so the program still starts on older ones.
template <class F>
F User32Function(const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

UINT SystemDpi() {
    static const UINT dpi = [] {
        const HDC dc = GetDC(nullptr);
        const int d = GetDeviceCaps(dc, LOGPIXELSX);
        ReleaseDC(nullptr, dc);
        return d > 0 ? UINT(d) : UINT(DesignDpi);
    }();
    return dpi;
}

UINT WindowDpi(HWND hwnd) {
    static const auto get = User32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    const UINT dpi = get && hwnd ? get(hwnd) : 0;
    return dpi ? dpi : SystemDpi();
}

UINT ControlDpi(HWND control) {
    const Form::Impl* form = FormImplOf(GetAncestor(control, GA_ROOT));
    return form ? form->dpi : WindowDpi(control);
}

Box ToDevice(Box b, UINT dpi) {
    // By the edges, so that neighbouring keys stay neighbours at any scale.
    const int left = ToDevice(b.Left, dpi), top = ToDevice(b.Top, dpi);
    return {left, top, ToDevice(b.Left + b.Width, dpi) - left, ToDevice(b.Top + b.Height, dpi) - top};
}

Box ToDesigned(Box b, UINT dpi) {
    const int left = ToDesigned(b.Left, dpi), top = ToDesigned(b.Top, dpi);
    return {left, top, ToDesigned(b.Left + b.Width, dpi) - left, ToDesigned(b.Top + b.Height, dpi) - top};
}

FontSpec ToDevice(FontSpec font, UINT dpi) {
    font.PixelSize = ToDevice(font.PixelSize, dpi);
    return font;
}

void AdjustWindowRectForDpi(RECT& r, DWORD style, DWORD exStyle, UINT dpi) {
    static const auto adjust =
        User32Function<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    if (!adjust || !adjust(&r, style, FALSE, exStyle, dpi)) AdjustWindowRectEx(&r, style, FALSE, exStyle);
}

void Form::Impl::ApplyDpi(UINT newDpi) {
    if (newDpi == 0 || newDpi == dpi) return;
    dpi = newDpi;
    for (const auto& p : panels) p->Place();
    auto place = [this](HWND control, Box designed, const FontSpec& font) {
        const Box b = ToDevice(designed, dpi);
        SetWindowPos(control, nullptr, b.Left, b.Top, b.Width, b.Height, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(control, WM_SETFONT, WPARAM(FontFor(ToDevice(font, dpi))), TRUE);
    };
    for (const auto& e : edits) place(e->hwnd, e->designed, e->font);
    for (const auto& b : buttons) place(b->hwnd, b->designed, WindowFont);
    if (tips) SendMessageW(tips, WM_SETFONT, WPARAM(FontFor(ToDevice(TipFont, dpi))), FALSE);
    InvalidateRect(hwnd, nullptr, TRUE);
}

}  // namespace abacone
