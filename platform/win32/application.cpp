#include "platform/application.h"

#include <optional>
#include <vector>

#include "platform/services/services.h"
#include "platform/win32/win32_window.h"

namespace abacone {
namespace {

Form* mainForm = nullptr;
std::string title;
ApplicationEvents appEvents;
bool appActive = false;

// The command line as the system gives it, in UTF-8, read once.
const std::vector<std::string>& Arguments() {
    static const std::vector<std::string> args = [] {
        std::vector<std::string> result;
        int count = 0;
        if (LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count)) {
            for (int i = 0; i < count; ++i) result.push_back(Narrow(argv[i]));
            LocalFree(argv);
        }
        return result;
    }();
    return args;
}

HWND OwnerWindow() {
    if (const HWND active = GetActiveWindow()) return active;
    return mainForm ? mainForm->Native().hwnd : nullptr;
}

// The clipboard may be held for a moment by another program.
bool OpenClipboardSoon(HWND owner) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(owner)) return true;
        Sleep(10);
    }
    return false;
}

class Win32Clipboard final : public ClipboardService {
public:
    std::optional<std::string> Text() override {
        if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboardSoon(OwnerWindow())) return std::nullopt;
        std::optional<std::string> text;
        if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
                const std::size_t limit = GlobalSize(data) / sizeof(wchar_t);
                std::size_t n = 0;
                while (n < limit && chars[n]) ++n;
                text = Narrow({chars, n});
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
        return text;
    }

    void SetText(std::string_view text) override {
        const std::wstring wide = Widen(text);
        const HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
        if (!data) return;
        auto* chars = static_cast<wchar_t*>(GlobalLock(data));
        std::copy(wide.c_str(), wide.c_str() + wide.size() + 1, chars);
        GlobalUnlock(data);
        if (!OpenClipboardSoon(OwnerWindow())) {
            GlobalFree(data);
            return;
        }
        EmptyClipboard();
        if (!SetClipboardData(CF_UNICODETEXT, data)) GlobalFree(data);
        CloseClipboard();
    }
};

class Win32Messages final : public MessageService {
public:
    void Show(std::string_view title, std::string_view text, MessageIcon icon) override {
        // A carriage return alone breaks the line as a line feed does.
        std::string body;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const bool lone = text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n');
            body += lone ? '\n' : text[i];
        }
        const HWND owner = OwnerWindow();
        ++MessageBoxDepth();
        MessageBoxW(owner, Widen(body).c_str(), Widen(title).c_str(),
                    MB_OK | MB_TOPMOST | (icon == MessageIcon::Exclamation ? MB_ICONEXCLAMATION : MB_ICONINFORMATION));
        --MessageBoxDepth();
        if (!owner || !IsWindow(owner)) return;
        SetForegroundWindow(owner);
        // The owner was activated as the box closed, while the box still counted as open:
        // it hears of it again now that it is not.
        if (Form::Impl* form = FormImplOf(owner); form && GetActiveWindow() == owner) form->TellActivated();
    }
};

// The application's activation, as the first of its windows to hear of it tells.
class ActivationHook {
public:
    static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HC_ACTION) {
            const auto* msg = reinterpret_cast<const CWPSTRUCT*>(lParam);
            if (msg->message == WM_ACTIVATEAPP && FormImplOf(msg->hwnd)) {
                const bool active = msg->wParam != 0;
                if (active != appActive) {
                    appActive = active;
                    const auto& handler = active ? appEvents.Activated : appEvents.Deactivated;
                    if (handler) handler();
                }
            } else if (msg->message == WM_SHOWWINDOW && msg->wParam && appEvents.WindowShowing &&
                       FormImplOf(msg->hwnd)) {
                appEvents.WindowShowing(TopOf(msg->hwnd));
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static void Install() {
        static const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, Proc, nullptr, GetCurrentThreadId());
        (void)hook;
    }
};

}  // namespace

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring out(std::size_t(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), out.data(), n);
    return out;
}

std::string Narrow(std::wstring_view utf16) {
    if (utf16.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), int(utf16.size()), nullptr, 0, nullptr, nullptr);
    std::string out(std::size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), int(utf16.size()), out.data(), n, nullptr, nullptr);
    return out;
}

ClipboardService& SystemClipboard() {
    static Win32Clipboard clipboard;
    return clipboard;
}

MessageService& SystemMessages() {
    static Win32Messages messages;
    return messages;
}

void SetApplicationTitle(std::string_view t) { title = t; }
std::string ApplicationTitle() { return title; }
void SetMainForm(Form* form) { mainForm = form; }
Form* MainForm() { return mainForm; }

void SetApplicationEvents(ApplicationEvents events) {
    appEvents = std::move(events);
    ActivationHook::Install();
}

bool ApplicationActive() { return GetActiveWindow() != nullptr; }

bool ModalWindowOver(const Form& main) {
    if (MessageBoxDepth() > 0) return true;
    for (Form::Impl* f : LiveForms())
        if (&f->face != &main && f->inModalRun) return true;
    return false;
}

void SetDesktopEntryName(std::string_view) {}  // desktop entries are a Linux matter

void RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) HandleMessage(msg);
}

std::string WindowSystemLimits() { return {}; }

Rgb ButtonFaceColor() {
    const COLORREF c = GetSysColor(COLOR_BTNFACE);
    return 0xFF000000u | (Rgb(GetRValue(c)) << 16) | (Rgb(GetGValue(c)) << 8) | Rgb(GetBValue(c));
}

void ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));
            return;
        }
        HandleMessage(msg);
    }
}

void MinimiseApplication() {
    for (Form::Impl* f : LiveForms())
        if (IsWindowVisible(f->hwnd)) ShowWindow(f->hwnd, SW_MINIMIZE);
}

// The screen in designed pixels, at the system's DPI (dpi.cpp).
int ScreenWidth() { return ToDesigned(GetSystemMetrics(SM_CXSCREEN), SystemDpi()); }
int ScreenHeight() { return ToDesigned(GetSystemMetrics(SM_CYSCREEN), SystemDpi()); }

Box DesktopBox() {
    return ToDesigned(Box{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                          GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)},
                      SystemDpi());
}

Box WorkArea() {
    RECT r{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0)) return {};
    return Box::FromEdges(r.left, r.top, r.right, r.bottom);
}

Point CursorPos() {
    POINT p{};
    GetCursorPos(&p);
    return ScreenToDesigned(p);
}

int ParamCount() { return int(Arguments().size()) - 1; }

std::string ParamStr(int index) {
    if (index < 0 || index >= int(Arguments().size())) return {};
    return Arguments()[std::size_t(index)];
}

}  // namespace abacone
