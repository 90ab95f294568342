// The keyboard walk over the program-drawn keys: Tab and Shift+Tab visit the display and
// the keys a window shows, row by row, the way the layout tables place them; a mark shows
// the key the keyboard reached, the Down arrow presses it, and a click hands the focus
// back to the display, so the window looks as always until Tab is pressed.

#include <algorithm>
#include <utility>

#include "platform/win32/win32_window.h"

namespace abacone {
namespace {

// Shown within the form, whether or not the form itself is on the screen yet.
bool ShownIn(HWND form, HWND control) {
    for (HWND w = control; w && w != form; w = GetParent(w))
        if (!(GetWindowLongW(w, GWL_STYLE) & WS_VISIBLE)) return false;
    return true;
}

RECT BoxIn(HWND form, HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Partly or wholly outside the client area: the extended rows of a compact window.
bool Clipped(HWND form, HWND control) {
    RECT client{};
    GetClientRect(form, &client);
    const RECT r = BoxIn(form, control);
    return r.left < client.left || r.top < client.top || r.right > client.right || r.bottom > client.bottom;
}

bool IsWalkedKey(HWND form, const Panel::Impl& panel) {
    return panel.role == PanelRole::Key && ShownIn(form, panel.hwnd) && !Clipped(form, panel.hwnd);
}

struct SystemStops {
    HWND form;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectSystemStop(HWND child, LPARAM data) {
    auto& stops = *reinterpret_cast<SystemStops*>(data);
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    if ((style & WS_TABSTOP) && IsWindowEnabled(child) && ShownIn(stops.form, child)) stops.found.push_back(child);
    return TRUE;
}

}  // namespace

bool Form::Impl::MoveFocus(bool back) {
    if (!focusHome) return false;
    std::vector<HWND> stops{focusHome->hwnd};
    for (const auto& p : panels)
        if (p.get() != focusHome && IsWalkedKey(hwnd, *p)) stops.push_back(p->hwnd);
    // Row by row, left to right; the display first among equals.
    std::stable_sort(stops.begin(), stops.end(), [this](HWND a, HWND b) {
        const RECT ra = BoxIn(hwnd, a), rb = BoxIn(hwnd, b);
        return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
    });
    // The system controls, in their own (creation) order.
    SystemStops system{hwnd, {}};
    EnumChildWindows(hwnd, CollectSystemStop, reinterpret_cast<LPARAM>(&system));
    stops.insert(stops.end(), system.found.begin(), system.found.end());

    const auto at = std::find(stops.begin(), stops.end(), GetFocus());
    std::size_t next = 0;
    if (at == stops.end())
        next = back ? stops.size() - 1 : 0;
    else
        next = (std::size_t(at - stops.begin()) + (back ? stops.size() - 1 : 1)) % stops.size();
    focusByKeyboard = true;
    SetFocus(stops[next]);
    focusByKeyboard = false;
    return true;
}

void Form::Impl::KeepFocusShown() {
    if (!focusHome) return;
    const HWND focus = GetFocus();
    for (const auto& p : panels)
        if (p->hwnd == focus && p->role == PanelRole::Key && !IsWalkedKey(hwnd, *p)) SetFocus(focusHome->hwnd);
}

bool Form::Impl::PassFocusOn(bool now) {
    HWND target = focusHome ? focusHome->hwnd : nullptr;
    if (lastFocus && IsWindow(lastFocus) && IsChild(hwnd, lastFocus)) target = lastFocus;
    if (!target) return false;
    // The system may report the window's own focus after this message: a screen reader
    // would then take the window, not the display, for the focused object.
    const bool panel = std::any_of(panels.begin(), panels.end(), [&](const auto& p) { return p->hwnd == target; });
    if (panel && !now)
        PostMessageW(hwnd, WM_ABACONE_PASS_FOCUS, 0, 0);
    else
        SetFocus(target);
    return true;
}

bool Panel::Impl::HandleFocus(UINT message, WPARAM wParam, LRESULT& result) {
    result = 0;
    switch (message) {
    case WM_SETFOCUS:
        focusMark = form.Native().focusByKeyboard;
        if (focusMark) InvalidateRect(hwnd, nullptr, FALSE);
        // The system tells screen readers (EVENT_OBJECT_FOCUS) which key the focus reached;
        // one more event from here would make them say it twice.
        return true;
    case WM_KILLFOCUS:
        if (std::exchange(focusMark, false)) InvalidateRect(hwnd, nullptr, FALSE);
        return true;
    case WM_KEYDOWN:
        // No binding takes the Down arrow: it presses the focused key.
        if (wParam != VK_DOWN || role != PanelRole::Key || !face.OnClick) return false;
        if (GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
        RunInForm(face.OnClick);
        return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        // A click leaves the focus on the display, as if the key had taken none.
        const Form::Impl& w = form.Native();
        const HWND focus = GetFocus();
        if (role == PanelRole::Key && w.focusHome && focus && focus != w.focusHome->hwnd && IsChild(w.hwnd, focus))
            SetFocus(w.focusHome->hwnd);
        return false;
    }
    default: return false;
    }
}

void Panel::Impl::PaintFocusMark(HDC dc) {
    // Over the outer pixel ring, so no caption ink is covered and nothing moves; red where
    // yellow would not stand out.
    const int r = (background >> 16) & 0xFF, g = (background >> 8) & 0xFF, b = background & 0xFF;
    const bool light = (std::max({r, g, b}) + std::min({r, g, b})) / 2 > 127;
    const HBRUSH brush = CreateSolidBrush(light ? RGB(255, 0, 0) : RGB(255, 255, 0));
    RECT box;
    GetClientRect(hwnd, &box);
    FrameRect(dc, &box, brush);
    DeleteObject(brush);
}

void Form::SetFocusHome(Panel* display) {
    Impl& w = *impl_;
    w.focusHome = display ? &display->Native() : nullptr;
    if (w.focusHome && GetFocus() == w.hwnd) SetFocus(w.focusHome->hwnd);
}

}  // namespace abacone
