
#include <algorithm>
#include <exception>
#include <utility>

#include "platform/application.h"
#include "platform/os/win32_calls.h"
#include "platform/services/services.h"
#include "platform/win32/win32_window.h"

namespace abacone {
namespace {

constexpr wchar_t FormClass[] = L"AbaconeForm";

void RegisterFormClass() {
    static const bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = ObjectWindowProc<Form::Impl>;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
        wc.lpszClassName = FormClass;
        return RegisterClassExW(&wc) != 0;
    }();
    (void)registered;
}

bool Down(int vk) { return GetKeyState(vk) < 0; }

// A stroke as the key order takes it: the key-down message and the character that
// TranslateMessage made of it. Alt alone types nothing (the access letters are the
// dispatch's); Ctrl types control codes for letters and nothing for other printables.
KeyStroke StrokeOf(const MSG& down, wchar_t typed, bool sysChar) {
    KeyStroke k;
    k.Vk = int(down.wParam & 0xFF);
    k.Shift = Down(VK_SHIFT);
    k.Ctrl = Down(VK_CONTROL);
    k.Alt = Down(VK_MENU);
    k.AutoRepeat = (down.lParam >> 30) & 1;
    char32_t c = sysChar ? 0 : typed;
    if (c == 0x7F) c = 0;
    if (k.Ctrl && !k.Alt && c >= 0x20 && c != ' ' && !((c | 0x20) >= 'a' && (c | 0x20) <= 'z')) c = 0;
    if (k.Ctrl && !k.Alt && ((c | 0x20) >= 'a' && (c | 0x20) <= 'z')) c &= 0x1F;
    k.Char = c;
    return k;
}

bool TakeChar(HWND hwnd, UINT message, MSG& out) { return PeekMessageW(&out, hwnd, message, message, PM_REMOVE); }

}  // namespace

std::vector<Form::Impl*>& LiveForms() {
    static std::vector<Form::Impl*> forms;
    return forms;
}

int& MessageBoxDepth() {
    static int depth = 0;
    return depth;
}

Form::Impl* FormImplOf(HWND hwnd) {
    if (!hwnd) return nullptr;
    for (Form::Impl* f : LiveForms())
        if (f->hwnd == hwnd) return f;
    return nullptr;
}

void HandleMessage(MSG& msg) {
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        Form::Impl* form = FormImplOf(GetAncestor(msg.hwnd, GA_ROOT));
        if (form && IsWindowEnabled(form->hwnd)) {
            TranslateMessage(&msg);
            MSG ch{};
            bool sys = false;
            bool typed = TakeChar(msg.hwnd, WM_CHAR, ch);
            if (!typed) typed = sys = TakeChar(msg.hwnd, WM_SYSCHAR, ch);
            const HWND target = msg.hwnd;
            const KeyStroke stroke = StrokeOf(msg, typed ? wchar_t(ch.wParam) : 0, sys);
            switch (form->Dispatch(stroke)) {
            case KeyResult::Taken: return;
            case KeyResult::FocusMove:
                if (form->MoveFocus(stroke.Shift)) return;
                if (HWND next = GetNextDlgTabItem(form->hwnd, GetFocus(), stroke.Shift)) SetFocus(next);
                return;
            case KeyResult::PassOn:
                if (!IsWindow(target)) return;
                DispatchMessageW(&msg);
                if (typed) DispatchMessageW(&ch);
                return;
            }
        }
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

Form::Impl::Impl(Form& face, BorderStyle border, bool stayOnTop) : face(face), border(border), stayOnTop(stayOnTop) {
    RegisterFormClass();
    LiveForms().push_back(this);
    CreateWindowExW(ExStyle(), FormClass, L"", Style(), CW_USEDEFAULT, CW_USEDEFAULT, 200, 100, nullptr, nullptr,
                    GetModuleHandleW(nullptr), this);
    dpi = WindowDpi(hwnd);
    backgroundBrush = CreateSolidBrush(ToColorRef(background));
    ApplyApplicationIcon(hwnd);
}

Form::Impl::~Impl() {
    inModalRun = false;
    EnableOthers();
    focusHome = nullptr;  // its window goes with the panels
    panels.clear();
    edits.clear();
    buttons.clear();
    if (hwnd) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        DestroyWindow(hwnd);
    }
    if (backgroundBrush) DeleteObject(backgroundBrush);
    std::erase(LiveForms(), this);
}

DWORD Form::Impl::Style() const {
    const DWORD base = WS_CLIPCHILDREN;
    if (border == BorderStyle::None) return base | WS_POPUP;
    return base | WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
}

DWORD Form::Impl::ExStyle() const { return stayOnTop ? WS_EX_TOPMOST : 0; }

LRESULT Form::Impl::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; HandleChildNotify(message, wParam, lParam, result)) return result;
    switch (message) {
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, backgroundBrush);
        return 1;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus && IsChild(hwnd, focus)) lastFocus = focus;
            if (watcher) watcher(WindowEvent::Deactivated);
        } else {
            TellActivated();
            // A control that has the focus keeps it (a show handler may have put it there
            // before the system activated the window); the default would take it to the
            // window itself.
            const HWND focus = GetFocus();
            if (focus && IsChild(hwnd, focus)) return 0;
        }
        break;
    case WM_SETFOCUS:
        if (PassFocusOn(false)) return 0;
        break;
    case WM_ABACONE_PASS_FOCUS:
        if (GetFocus() == hwnd) PassFocusOn(true);
        return 0;
    case WM_SIZE:
        KeepFocusShown();
        if (watcher) watcher(WindowEvent::StateChanged);
        break;
    case WM_SHOWWINDOW:
        if (wParam) face.Shown(lParam != 0);
        break;
    case WM_SYSCOMMAND:
        // Alt and F10 stay the program's keys: the system menu opens only with the mouse.
        if ((wParam & 0xFFF0) == SC_KEYMENU) return 0;
        break;
    case WM_CLOSE: face.Close(); return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ::ClientToScreen(hwnd, &p);
        const MouseButton button = ButtonOfMessage(message);
        face.Run([&] { face.MouseDown(button, ScreenToDesigned(p)); });
        return 0;
    }
    case WM_CONTEXTMENU:
        // The menu key is dispatched with the other keys; only the mouse opens the menu here.
        if (lParam != -1 && menu && autoPopup)
            face.PopupAt(ScreenToDesigned({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}));
        return 0;
    case WM_DPICHANGED: {
        // Moved to a monitor of another scale: the place the system suggests, the
        // designed client size at the new scale.
        const RECT suggested = *reinterpret_cast<const RECT*>(lParam);
        RECT client;
        GetClientRect(hwnd, &client);
        const int width = ToDesigned(client.right, dpi), height = ToDesigned(client.bottom, dpi);
        ApplyDpi(LOWORD(wParam));
        RECT r{0, 0, ToDevice(width, dpi), ToDevice(height, dpi)};
        AdjustWindowRectForDpi(r, Style(), ExStyle(), dpi);
        SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    default: break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

Form::Form(BorderStyle border, bool stayOnTop) : impl_(std::make_unique<Impl>(*this, border, stayOnTop)) {}

Form::~Form() {
    // Told before anything goes; the watcher may end what it owns.
    if (auto watcher = std::exchange(impl_->watcher, nullptr)) watcher(WindowEvent::Destroyed);
    if (MainForm() == this) SetMainForm(nullptr);
}

namespace {
RECT WindowBox(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}
RECT ClientBox(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return r;
}
constexpr UINT Quietly = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
}  // namespace

// Positions are the screen's, sizes the window's, both in designed pixels (dpi.cpp).
int Form::Left() const { return ToDesigned(int(WindowBox(impl_->hwnd).left), SystemDpi()); }
int Form::Top() const { return ToDesigned(int(WindowBox(impl_->hwnd).top), SystemDpi()); }
int Form::Width() const {
    const RECT r = WindowBox(impl_->hwnd);
    return ToDesigned(r.right - r.left, impl_->dpi);
}
int Form::Height() const {
    const RECT r = WindowBox(impl_->hwnd);
    return ToDesigned(r.bottom - r.top, impl_->dpi);
}
Insets Form::FrameInsets() const {
    const RECT outer = WindowBox(impl_->hwnd);
    POINT origin{0, 0};
    ::ClientToScreen(impl_->hwnd, &origin);
    const RECT client = ClientBox(impl_->hwnd);
    const UINT dpi = impl_->dpi;
    return {ToDesigned(origin.x - outer.left, dpi), ToDesigned(origin.y - outer.top, dpi),
            ToDesigned(outer.right - (origin.x + client.right), dpi),
            ToDesigned(outer.bottom - (origin.y + client.bottom), dpi)};
}

int Form::ClientWidth() const { return ToDesigned(ClientBox(impl_->hwnd).right, impl_->dpi); }
int Form::ClientHeight() const { return ToDesigned(ClientBox(impl_->hwnd).bottom, impl_->dpi); }

void Form::SetClientSize(int width, int height) {
    if (IsIconic(impl_->hwnd)) return;
    RECT r{0, 0, ToDevice(width, impl_->dpi), ToDevice(height, impl_->dpi)};
    AdjustWindowRectForDpi(r, impl_->Style(), impl_->ExStyle(), impl_->dpi);
    SetWindowPos(impl_->hwnd, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, Quietly | SWP_NOMOVE);
}

void Form::SetPosition(int left, int top) {
    const POINT p = ScreenToDevice({left, top});
    SetWindowPos(impl_->hwnd, nullptr, p.x, p.y, 0, 0, Quietly | SWP_NOSIZE);
}

Point Form::ClientToScreen(Point client) const {
    POINT p{ToDevice(client.X, impl_->dpi), ToDevice(client.Y, impl_->dpi)};
    ::ClientToScreen(impl_->hwnd, &p);
    return ScreenToDesigned(p);
}

void Form::SetStayOnTop(bool on) {
    impl_->stayOnTop = on;
    SetWindowPos(impl_->hwnd, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool Form::StayOnTop() const { return impl_->stayOnTop; }
BorderStyle Form::Border() const { return impl_->border; }

void Form::SetBorderStyle(BorderStyle border) {
    Impl& w = *impl_;
    if (border == w.border) return;
    // The outer corner stays where it is and the client keeps its size.
    const RECT outer = WindowBox(w.hwnd);
    const RECT client = ClientBox(w.hwnd);
    w.border = border;
    SetWindowLongPtrW(w.hwnd, GWL_STYLE, LONG_PTR(w.Style() | (GetWindowLongPtrW(w.hwnd, GWL_STYLE) & WS_VISIBLE)));
    RECT r = client;
    AdjustWindowRectForDpi(r, w.Style(), w.ExStyle(), w.dpi);
    SetWindowPos(w.hwnd, nullptr, outer.left, outer.top, r.right - r.left, r.bottom - r.top,
                 Quietly | SWP_FRAMECHANGED);
}

void Form::SetCaption(std::string_view caption) { SetWindowTextW(impl_->hwnd, Widen(caption).c_str()); }

void Form::SetColor(Rgb background) {
    impl_->background = background;
    if (impl_->backgroundBrush) DeleteObject(impl_->backgroundBrush);
    impl_->backgroundBrush = CreateSolidBrush(ToColorRef(background));
    InvalidateRect(impl_->hwnd, nullptr, TRUE);
}

void Form::SetFont(const FontSpec& font) {
    SendMessageW(impl_->hwnd, WM_SETFONT, WPARAM(FontFor(ToDevice(font, impl_->dpi))), FALSE);
}
void Form::SetName(std::string_view name) { impl_->name = name; }
void Form::SetHint(std::string_view text) { impl_->SetTip(impl_->hwnd, std::string(text)); }

void Form::Show() { ShowWindow(impl_->hwnd, SW_SHOW); }
void Form::Hide() {
    impl_->EnableOthers();
    ShowWindow(impl_->hwnd, SW_HIDE);
    // Shown again, the window starts with the focus its show gives, not the old one.
    impl_->lastFocus = nullptr;
}
bool Form::Visible() const { return IsWindowVisible(impl_->hwnd); }
bool Form::Minimized() const { return IsIconic(impl_->hwnd); }
void Form::ShowMinimized() { ShowWindow(impl_->hwnd, SW_MINIMIZE); }
void Form::ShowNormal() { ShowWindow(impl_->hwnd, IsIconic(impl_->hwnd) ? SW_RESTORE : SW_SHOW); }
bool Form::Active() const { return GetActiveWindow() == impl_->hwnd; }

void Form::Activate() {
    // A hidden window cannot keep the activation: it would hand it straight back to the
    // window that asked, which may ask again as it becomes active.
    if (!IsWindowVisible(impl_->hwnd)) return;
    BringWindowToTop(impl_->hwnd);
    SetForegroundWindow(impl_->hwnd);
    SetActiveWindow(impl_->hwnd);
}

TopWindow* Form::Handle() const { return TopOf(impl_->hwnd); }

void Form::SetWatcher(std::function<void(WindowEvent)> watcher) { impl_->watcher = std::move(watcher); }

void Form::Impl::TellActivated() {
    if (watcher) watcher(WindowEvent::Activated);
    face.Activated();
}

void Form::Impl::EnableOthers() {
    for (HWND h : std::exchange(disabledByModal, {}))
        if (IsWindow(h)) EnableWindow(h, TRUE);
}

void Form::ShowModal() {
    Impl& w = *impl_;
    const std::weak_ptr<int> alive = life_;
    const HWND before = GetActiveWindow();
    // The other windows take no input meanwhile.
    w.EnableOthers();
    for (Impl* f : LiveForms())
        if (f != &w && IsWindowVisible(f->hwnd) && IsWindowEnabled(f->hwnd)) {
            EnableWindow(f->hwnd, FALSE);
            w.disabledByModal.push_back(f->hwnd);
        }
    w.inModalRun = true;
    ShowWindow(w.hwnd, SW_SHOW);
    Activate();
    MSG msg;
    while (!alive.expired() && w.inModalRun && IsWindowVisible(w.hwnd)) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(int(msg.wParam));  // the outer loop ends too
            break;
        }
        HandleMessage(msg);
    }
    if (!alive.expired()) {
        w.inModalRun = false;
        w.EnableOthers();
    }
    // The window that was active before takes the activation back.
    if (before && IsWindow(before) && IsWindowVisible(before)) {
        SetForegroundWindow(before);
        SetActiveWindow(before);
    }
}

bool Form::InModalRun() const { return impl_->inModalRun; }

void Form::Close() {
    impl_->inModalRun = false;
    impl_->EnableOthers();
    ShowWindow(impl_->hwnd, SW_HIDE);
    // Shown again, the window starts with the focus its show gives, not the old one.
    impl_->lastFocus = nullptr;
    if (MainForm() == this) PostQuitMessage(0);
}

void Form::SetPopupMenu(std::unique_ptr<PopupMenu> menu) { impl_->menu = std::move(menu); }
PopupMenu* Form::Menu() const { return impl_->menu.get(); }
void Form::SetAutoPopup(bool on) { impl_->autoPopup = on; }

void Form::Impl::OpenMenuAtWindow() {
    POINT p{0, 0};
    ::ClientToScreen(hwnd, &p);
    face.PopupAt(ScreenToDesigned(p));
}

void Form::PopupAt(Point globalPos) {
    Impl& w = *impl_;
    if (!w.menu) return;
    const std::vector<MenuItem>& items = w.menu->Items();
    // Built anew each time, so check marks are as the items say now.
    const HMENU root = CreatePopupMenu();
    std::vector<HMENU> parents{root};
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MenuItem& item = items[i];
        parents.resize(std::size_t(item.Level) + 1);
        if (!w.menu->Shown(i)) continue;
        const HMENU parent = parents.back();
        std::wstring text = Widen(item.Caption);
        if (item.Caption == "-") {
            AppendMenuW(parent, MF_SEPARATOR, 0, nullptr);
        } else if (w.menu->HasChildren(i)) {
            const HMENU sub = CreatePopupMenu();
            AppendMenuW(parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), text.c_str());
            parents.push_back(sub);
        } else {
            if (item.Shortcut) text += L'\t' + Widen(ShortcutText(item.Shortcut));
            MENUITEMINFOW info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE | MIIM_STATE;
            info.fType = MFT_STRING | (item.RadioItem ? MFT_RADIOCHECK : 0);
            info.fState = item.Checked ? MFS_CHECKED : 0;
            info.wID = UINT(i + 1);
            info.dwTypeData = text.data();
            InsertMenuItemW(parent, GetMenuItemCount(parent), TRUE, &info);
        }
    }
    SetForegroundWindow(w.hwnd);
    const POINT at = ScreenToDevice(globalPos);
    const UINT chosen =
        UINT(TrackPopupMenu(root, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, w.hwnd, nullptr));
    DestroyMenu(root);
    if (chosen > 0 && chosen <= items.size() && w.menu) Run(w.menu->Items()[chosen - 1].OnClick);
}

void Form::SetDefaultButton(Button* button) { impl_->defaultButton = button; }

Panel* Form::Control(std::string_view name) const {
    for (const auto& p : impl_->panels)
        if (p->name == name) return &p->face;
    return nullptr;
}

bool Form::DispatchKey(const KeyStroke& stroke) { return impl_->Dispatch(stroke) == KeyResult::Taken; }

Button* Form::Impl::EnterButton() {
    const HWND focus = GetFocus();
    for (const auto& b : buttons)
        if (b->hwnd == focus) return &b->face;
    return defaultButton;
}

Button* Form::Impl::AccessButton(int vk) {
    // Shown within the form, whether or not the form itself is on the screen yet: the
    // button and every panel between it and the form keep their own visibility flag.
    auto shown = [this](HWND control) {
        for (HWND w = control; w && w != hwnd; w = GetParent(w))
            if (!(GetWindowLongW(w, GWL_STYLE) & WS_VISIBLE)) return false;
        return true;
    };
    Button* found = nullptr;
    for (const auto& b : buttons)
        if (b->face.AccessKey() == vk && shown(b->hwnd)) found = &b->face;
    return found;
}

void Form::Impl::Press(Button& button) {
    // The click's handler, without BM_CLICK's move of the keyboard focus onto the button:
    // a dialog shown again would take the focus back to it instead of to its edit box.
    if (IsWindowEnabled(button.Native().hwnd) && button.OnClick) face.Run(button.OnClick);
}

void Form::Run(const std::function<void()>& handler) {
    const std::weak_ptr<int> alive = life_;
    try {
        if (handler) handler();
    } catch (const std::exception& e) {
        Messages().Show(ApplicationTitle(), e.what(), MessageIcon::Exclamation);
    }
    if (!alive.expired()) AfterEvent();
}

void Form::DragByBody(MouseButton button, Point) {
    if (button != MouseButton::Left) return;
    win32::StartMove(reinterpret_cast<NativeWindow>(impl_->hwnd));
}

}  // namespace abacone
