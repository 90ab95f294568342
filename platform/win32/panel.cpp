// Panels and labels are windows of the program's own class, drawn by the program: the
// fill, the raised bevel and the caption placed by its ink.

#include <algorithm>

#include "platform/win32/win32_window.h"

namespace abacone {
namespace {

constexpr wchar_t PanelClass[] = L"AbaconePanel";

void RegisterPanelClass() {
    static const bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;  // a fast second press arrives as a double-click
        wc.lpfnWndProc = ObjectWindowProc<Panel::Impl>;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.lpszClassName = PanelClass;
        return RegisterClassExW(&wc) != 0;
    }();
    (void)registered;
}

void Line(HDC dc, int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

}  // namespace

MouseButton ButtonOfMessage(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return MouseButton::Left;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: return MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: return MouseButton::Middle;
    default: return MouseButton::None;
    }
}

Panel::Impl::Impl(Form& form, HWND parent, const char* name, Box box) : form(form), designed(box), name(name) {
    RegisterPanelClass();
    const Box b = ToDevice(box, Dpi());
    CreateWindowExW(0, PanelClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, b.Left, b.Top, b.Width, b.Height,
                    parent, nullptr, GetModuleHandleW(nullptr), this);
}

UINT Panel::Impl::Dpi() const { return form.Native().dpi; }

void Panel::Impl::Place() {
    const Box b = ToDevice(designed, Dpi());
    SetWindowPos(hwnd, nullptr, b.Left, b.Top, b.Width, b.Height, SWP_NOZORDER | SWP_NOACTIVATE);
    if (autoSize) FitToText();
    Relayout();
}

Panel::Impl::~Impl() {
    if (!hwnd) return;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    DestroyWindow(hwnd);
}

LRESULT Panel::Impl::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; HandleChildNotify(message, wParam, lParam, result)) return result;
    if (LRESULT result = 0; HandleFocus(message, wParam, result)) return result;
    auto screen = [&] {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(hwnd, &p);
        return ScreenToDesigned(p);
    };
    switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        const HDC dc = BeginPaint(hwnd, &ps);
        // Drawn off screen first, so a caption change never flickers.
        RECT r;
        GetClientRect(hwnd, &r);
        const HDC memory = CreateCompatibleDC(dc);
        const HBITMAP bitmap = CreateCompatibleBitmap(dc, std::max<LONG>(r.right, 1), std::max<LONG>(r.bottom, 1));
        const HGDIOBJ old = SelectObject(memory, bitmap);
        Paint(memory);
        if (focusMark) PaintFocusMark(memory);
        BitBlt(dc, 0, 0, r.right, r.bottom, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_SIZE: layoutValid = false; break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        const MouseButton button = ButtonOfMessage(message);
        const Point at = screen();
        if (button == MouseButton::Left) {
            pressed = true;
            SetCapture(hwnd);
        }
        if (face.OnMouseDown) RunInForm([&] { face.OnMouseDown(button, at); });
        return 0;
    }
    case WM_LBUTTONUP: {
        const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        RECT r;
        GetClientRect(hwnd, &r);
        const bool clicked = pressed && PtInRect(&r, p);
        pressed = false;
        if (GetCapture() == hwnd) ReleaseCapture();
        if (clicked && face.OnClick) RunInForm(face.OnClick);
        return 0;
    }
    case WM_LBUTTONDBLCLK: {
        pressed = false;  // the release that follows is not a click
        const Point at = screen();
        if (face.OnMouseDown) RunInForm([&] { face.OnMouseDown(MouseButton::Left, at); });
        if (face.OnDblClick) RunInForm(face.OnDblClick);
        return 0;
    }
    case WM_CAPTURECHANGED: pressed = false; break;
    case WM_GETOBJECT: return told.Answer(hwnd, this, wParam, lParam);
    case WM_ABACONE_PRESS:
        if (role == PanelRole::Key && face.OnClick) RunInForm(face.OnClick);
        return 0;
    default: break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

RECT Panel::Impl::CaptionArea() const {
    RECT r;
    GetClientRect(hwnd, &r);
    // Last pixels inclusive, as the caption fitting counts them.
    const int b = DeviceBevel();
    return {r.left + b, r.top + b, r.right - 1 - b, r.bottom - 1 - b};
}

void Panel::Impl::Paint(HDC dc) {
    RECT box;
    GetClientRect(hwnd, &box);
    const HBRUSH fill = CreateSolidBrush(ToColorRef(background));
    FillRect(dc, &box, fill);
    DeleteObject(fill);
    const HPEN light = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    const HPEN dark = CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
    const HGDIOBJ oldPen = SelectObject(dc, light);
    for (int i = 0; i < DeviceBevel(); ++i) {
        const int l = i, t = i, r = box.right - 1 - i, b = box.bottom - 1 - i;
        SelectObject(dc, light);
        Line(dc, l, t, r + 1, t);
        Line(dc, l, t, l, b + 1);
        SelectObject(dc, dark);
        Line(dc, l, b, r + 1, b);
        Line(dc, r, t, r, b + 1);
    }
    SelectObject(dc, oldPen);
    DeleteObject(light);
    DeleteObject(dark);
    if (caption.empty()) return;

    const RECT area = CaptionArea();
    const HRGN clip = CreateRectRgn(area.left, area.top, area.right + 1, area.bottom + 1);
    SelectClipRgn(dc, clip);
    PaintCaption(dc);
    SelectClipRgn(dc, nullptr);
    DeleteObject(clip);
}

void Panel::Impl::PaintCaption(HDC dc) {
    RECT box;
    GetClientRect(hwnd, &box);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(font.Color));
    if (wordWrap) {
        const HGDIOBJ oldFont = SelectObject(dc, FontFor(DeviceFont()));
        RECT r = box;
        const UINT align = alignment == Align::Right ? DT_RIGHT : alignment == Align::Centre ? DT_CENTER : DT_LEFT;
        const UINT format = align | DT_TOP | DT_WORDBREAK | DT_NOPREFIX;
        DrawTextW(dc, caption.c_str(), int(caption.size()), &r, format);
        if (font.Bold) {
            OffsetRect(&r, BoldOffset(DeviceFont()), 0);
            DrawTextW(dc, caption.c_str(), int(caption.size()), &r, format);
        }
        SelectObject(dc, oldFont);
        return;
    }
    if (!layoutValid) {
        layout = FitCaption(DeviceFont(), caption, CaptionArea(), alignment);
        layoutValid = true;
    }
    const HGDIOBJ oldFont = SelectObject(dc, FontFor(layout.Font));
    SetTextAlign(dc, TA_BASELINE | TA_LEFT);
    DrawGlyphs(dc, layout.Font, layout.Origin, caption);
    SelectObject(dc, oldFont);
}

void Panel::Impl::FitToText() {
    // Wide enough for the ink too: bold glyphs may reach past the last advance.
    const FontSpec font = DeviceFont();
    const int bevel = DeviceBevel();
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, FontFor(font));
    SIZE extent{};
    GetTextExtentPoint32W(dc, caption.c_str(), int(caption.size()), &extent);
    extent.cx += BoldOffset(font);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    DeleteDC(dc);
    const RECT ink = InkBox(font, caption);
    int width = extent.cx;
    if (ink.right >= ink.left) width = std::max<int>(extent.cx, ink.right + 1) - std::min<int>(0, ink.left);
    SetWindowPos(hwnd, nullptr, 0, 0, width + 2 * bevel, tm.tmHeight + 2 * bevel,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Panel::Impl::Relayout() {
    layoutValid = false;
    InvalidateRect(hwnd, nullptr, FALSE);
}

std::string Panel::Name() const { return impl_.name; }

void Panel::SetCaption(std::string_view text) {
    std::wstring caption = Widen(text);
    if (caption == impl_.caption) return;
    impl_.caption = std::move(caption);
    if (impl_.autoSize) impl_.FitToText();
    impl_.Relayout();
}

std::string Panel::Caption() const { return Narrow(impl_.caption); }
void Panel::SetHint(std::string_view text) {
    if (text == impl_.hint) return;
    impl_.hint = text;
    impl_.form.Native().SetTip(impl_.hwnd, impl_.hint);
}
std::string Panel::Hint() const { return impl_.hint; }

void Panel::SetAlignment(Align alignment) {
    impl_.alignment = alignment;
    impl_.Relayout();
}

Align Panel::Alignment() const { return impl_.alignment; }

void Panel::SetWordWrap(bool on) {
    impl_.wordWrap = on;
    impl_.Relayout();
}

void Panel::SetColor(Rgb background) {
    if (background == impl_.background) return;
    impl_.background = background;
    InvalidateRect(impl_.hwnd, nullptr, FALSE);
}

Rgb Panel::Color() const { return impl_.background; }

void Panel::SetFont(const FontSpec& spec) {
    impl_.font = spec;
    if (impl_.autoSize) impl_.FitToText();
    impl_.Relayout();
}

Rgb Panel::FontColor() const { return impl_.font.Color; }

void Panel::SetBevel(int width) {
    impl_.bevel = width;
    impl_.Relayout();
}

void Panel::SetAutoSize(bool on) {
    impl_.autoSize = on;
    if (on) impl_.FitToText();
}

Box Panel::Bounds() const {
    RECT r;
    GetWindowRect(impl_.hwnd, &r);
    MapWindowPoints(nullptr, GetParent(impl_.hwnd), reinterpret_cast<POINT*>(&r), 2);
    return ToDesigned(Box{r.left, r.top, r.right - r.left, r.bottom - r.top}, impl_.Dpi());
}

}  // namespace abacone
