// The controls of a window: the program's own panels, and the system's edit box and push
// button where those fit, so that keyboard focus and screen readers see them.
#include "platform/controls.h"

#include "platform/win32/win32_window.h"

namespace abacone {
namespace {

HWND ParentOf(Form& form, Panel* parent) { return parent ? parent->Native().hwnd : form.Native().hwnd; }

// A system control at a designed box, placed and lettered at its form's DPI.
HWND SystemControl(Form& form, const wchar_t* kind, DWORD style, HWND parent, Box box, const FontSpec& font) {
    const UINT dpi = form.Native().dpi;
    const Box b = ToDevice(box, dpi);
    const HWND control = CreateWindowExW(0, kind, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, b.Left, b.Top,
                                         b.Width, b.Height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, WPARAM(FontFor(ToDevice(font, dpi))), FALSE);
    return control;
}

Edit::Impl* EditOf(HWND control) {
    for (Form::Impl* f : LiveForms())
        for (const auto& e : f->edits)
            if (e->hwnd == control) return e.get();
    return nullptr;
}

Button::Impl* ButtonOf(HWND control) {
    for (Form::Impl* f : LiveForms())
        for (const auto& b : f->buttons)
            if (b->hwnd == control) return b.get();
    return nullptr;
}

Rgb hintColor = color::Hint;

}  // namespace

void SetHintColor(Rgb background) { hintColor = background; }

void Form::Impl::SetTip(HWND control, const std::string& text) {
    if (!tips) {
        if (text.empty()) return;
        static const bool loaded = [] {
            INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
            return InitCommonControlsEx(&classes) != 0;
        }();
        (void)loaded;
        tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
        // Line breaks in a hint break its lines.
        SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, 600);
        SendMessageW(tips, TTM_SETTIPBKCOLOR, ToColorRef(hintColor), 0);
        SendMessageW(tips, TTM_SETTIPTEXTCOLOR, RGB(0, 0, 0), 0);
        SendMessageW(tips, WM_SETFONT, WPARAM(FontFor(ToDevice(TipFont, dpi))), FALSE);
    }
    std::wstring wide = Widen(text);
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;  // also understood without the version 6 controls
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = wide.data();
    const bool known = SendMessageW(tips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool));
    tool.lpszText = wide.data();
    if (text.empty())
        SendMessageW(tips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    else
        SendMessageW(tips, known ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

bool HandleChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && lParam) {
            if (Button::Impl* b = ButtonOf(reinterpret_cast<HWND>(lParam))) {
                if (b->face.OnClick) b->form.Run(b->face.OnClick);
                result = 0;
                return true;
            }
        }
        return false;
    case WM_CTLCOLOREDIT:
        if (Edit::Impl* e = EditOf(reinterpret_cast<HWND>(lParam))) {
            const HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, ToColorRef(e->textColor));
            SetBkColor(dc, ToColorRef(e->background));
            if (!e->brush) e->brush = CreateSolidBrush(ToColorRef(e->background));
            result = reinterpret_cast<LRESULT>(e->brush);
            return true;
        }
        return false;
    default: return false;
    }
}

Panel* AddPanel(Form& form, Panel* parent, const char* name, ControlKind kind, Box box, std::string_view caption,
                std::string_view hint, Align alignment, Rgb background, const FontSpec& font) {
    auto& panels = form.Native().panels;
    panels.push_back(std::make_unique<Panel::Impl>(form, ParentOf(form, parent), name, box));
    Panel& p = panels.back()->face;
    StylePanel(p, kind, caption, hint, alignment, background, font);
    return &p;
}

Edit* AddEdit(Form& form, Panel* parent, const char* /*name*/, Box box) {
    auto& edits = form.Native().edits;
    edits.push_back(std::make_unique<Edit::Impl>());
    Edit::Impl& e = *edits.back();
    e.designed = box;
    e.hwnd = SystemControl(form, L"EDIT", ES_AUTOHSCROLL | ES_LEFT, ParentOf(form, parent), box, e.font);
    AnswerObjectRequests(e.hwnd, e.told);
    return &e.face;
}

Button* AddButton(Form& form, Panel* parent, const char* /*name*/, Box box, std::string_view caption,
                  std::string_view hint) {
    auto& buttons = form.Native().buttons;
    buttons.push_back(std::make_unique<Button::Impl>(form));
    Button::Impl& b = *buttons.back();
    b.designed = box;
    b.hwnd = SystemControl(form, L"BUTTON", BS_PUSHBUTTON, ParentOf(form, parent), box, WindowFont);
    b.face.SetCaption(caption);
    if (!hint.empty()) form.Native().SetTip(b.hwnd, std::string(hint));
    AnswerObjectRequests(b.hwnd, b.told);
    return &b.face;
}

void Edit::SetText(std::string_view text) { SetWindowTextW(impl_.hwnd, Widen(text).c_str()); }

std::string Edit::Text() const {
    std::wstring text(std::size_t(GetWindowTextLengthW(impl_.hwnd)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(impl_.hwnd, text.data(), int(text.size()))));
    return Narrow(text);
}

void Edit::SetMaxLength(int length) { SendMessageW(impl_.hwnd, EM_LIMITTEXT, WPARAM(length), 0); }

void Edit::SetColors(Rgb background, const FontSpec& font) {
    impl_.background = background;
    impl_.textColor = font.Color;
    impl_.font = font;
    if (impl_.brush) DeleteObject(impl_.brush);
    impl_.brush = nullptr;
    SendMessageW(impl_.hwnd, WM_SETFONT, WPARAM(FontFor(ToDevice(font, ControlDpi(impl_.hwnd)))), TRUE);
}

void Edit::FocusAndSelectAll() {
    SetFocus(impl_.hwnd);
    SendMessageW(impl_.hwnd, EM_SETSEL, 0, -1);
}

void Button::SetCaption(std::string_view caption) {
    // The system draws "&" as the underlined access letter; the Form's key order presses it.
    SetWindowTextW(impl_.hwnd, Widen(caption).c_str());
    accessKey_ = AccessKeyOf(caption);
}

void Button::SetFocus() { ::SetFocus(impl_.hwnd); }

}  // namespace abacone
