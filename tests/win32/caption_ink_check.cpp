// Every caption of every window shows all of its ink, drawn by the Win32 window layer as
// under Wine or Windows: each panel of each window is drawn into a memory bitmap as the
// window shows it and once unclipped on a large canvas, and the two must cover the same
// pixels; the system's buttons and edit boxes must keep their text off their edges.
// A Windows program of its own (run under Wine by the test command): prints each fault
// and exits with 1.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/edit.h"
#include "platform/services/services.h"
#include "platform/win32/win32_window.h"
#include "tests/support/caption_cases.h"
#include "ui/binwindow/logic/binwindow_logic.h"
#include "ui/binwindow/tform3.h"
#include "ui/hexpad/logic/hexpad_logic.h"
#include "ui/hexpad/tform4.h"
#include "ui/main/form1.h"
#include "ui/main/reset.h"
#include "ui/valuedialog/iform.h"

namespace abacone {
namespace {

int faults = 0;
int checked = 0;

void Fault(const std::string& where, const std::string& what) {
    ++faults;
    std::printf("%s: %s\n", where.c_str(), what.c_str());
}

// A 32-bit top-down bitmap selected into a memory DC, its pixels readable.
class Canvas {
public:
    Canvas(int width, int height, COLORREF fill) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
        RECT all{0, 0, width, height};
        const HBRUSH brush = CreateSolidBrush(fill);
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC Dc() const { return dc_; }
    std::uint32_t Pixel(int x, int y) const {
        GdiFlush();
        return bits_[y * width_ + x] & 0xFFFFFF;
    }
    // Pixels of the inclusive box that differ from `background`, and their bounding box.
    int Ink(RECT box, COLORREF background, RECT* bounds = nullptr) const {
        const std::uint32_t bg = (GetRValue(background) << 16) | (GetGValue(background) << 8) | GetBValue(background);
        RECT found{width_, height_, -1, -1};
        int count = 0;
        for (int y = std::max<LONG>(box.top, 0); y <= std::min<LONG>(box.bottom, height_ - 1); ++y)
            for (int x = std::max<LONG>(box.left, 0); x <= std::min<LONG>(box.right, width_ - 1); ++x)
                if (Pixel(x, y) != bg) {
                    ++count;
                    found = {std::min<LONG>(found.left, x), std::min<LONG>(found.top, y),
                             std::max<LONG>(found.right, x), std::max<LONG>(found.bottom, y)};
                }
        if (bounds) *bounds = found;
        return count;
    }
    bool Differs(const Canvas& other, int x, int y) const { return Pixel(x, y) != other.Pixel(x, y); }

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    std::uint32_t* bits_ = nullptr;
};

RECT ClientOf(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return r;
}

void CheckPanels(Form& form, const std::string& state) {
    for (const auto& panel : form.Native().panels) {
        if (panel->caption.find_first_not_of(L' ') == std::wstring::npos) continue;
        const std::string where = state + ": " + panel->name + " \"" + Narrow(panel->caption) + "\"";
        const RECT box = ClientOf(panel->hwnd);
        const COLORREF bg = ToColorRef(panel->background);
        Canvas shown(box.right, box.bottom, bg);
        panel->Paint(shown.Dc());
        const int margin = 3 * std::max(box.right, box.bottom);
        Canvas open(box.right + 2 * margin, box.bottom + 2 * margin, bg);
        SetViewportOrgEx(open.Dc(), margin, margin, nullptr);
        panel->PaintCaption(open.Dc());
        const int inside = shown.Ink(panel->CaptionArea(), bg);
        const int whole = open.Ink({0, 0, box.right + 2 * margin, box.bottom + 2 * margin}, bg);
        ++checked;
        if (whole == 0) Fault(where, "no ink");
        if (inside != whole)
            Fault(where, std::to_string(whole - inside) + " of " + std::to_string(whole) + " pixels lost at the edge");
    }
}

// A system control drawn with and without its text: the text's pixels keep off the edges.
void CheckSystemText(HWND control, const std::string& where) {
    wchar_t text[256] = L"";
    GetWindowTextW(control, text, 256);
    const RECT box = ClientOf(control);
    auto draw = [&](Canvas& c) {
        SendMessageW(control, WM_PRINT, WPARAM(c.Dc()), PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
    };
    Canvas with(box.right, box.bottom, RGB(255, 0, 255));
    draw(with);
    SetWindowTextW(control, L"");
    Canvas without(box.right, box.bottom, RGB(255, 0, 255));
    draw(without);
    SetWindowTextW(control, text);
    RECT ink{box.right, box.bottom, -1, -1};
    for (int y = 0; y < box.bottom; ++y)
        for (int x = 0; x < box.right; ++x)
            if (with.Differs(without, x, y))
                ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y), std::max<LONG>(ink.right, x),
                       std::max<LONG>(ink.bottom, y)};
    ++checked;
    const std::string name = where + " \"" + Narrow(text) + "\"";
    if (ink.right < 0) return Fault(name, "no text drawn");
    if (ink.left < 1 || ink.top < 1 || ink.right > box.right - 2 || ink.bottom > box.bottom - 2)
        Fault(name, "text reaches the control's edge");
}

void CheckSystemControls(Form& form, const std::string& state) {
    for (const auto& b : form.Native().buttons) CheckSystemText(b->hwnd, state + ": button");
    for (const auto& e : form.Native().edits) CheckSystemText(e->hwnd, state + ": edit box");
}

void Type(Form& form, const std::string& keys) {
    for (char c : keys) {
        KeyStroke k;
        k.Char = char32_t(c);
        if (c == '\x1b') k.Vk = VK_ESCAPE;
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) k.Vk = c;
        if (c >= 'a' && c <= 'z') k.Vk = c - 'a' + 'A';
        form.DispatchKey(k);
    }
}

void MainWindow() {
    ResetWindowState();
    TForm1 main;
    for (const auto& s : MainWindowCaptionCases) {
        Type(main, std::string("\x1b") + s.Keys);
        for (int height : {76, 186}) {
            main.SetClientHeight(height);
            CheckPanels(main, std::string("main window, ") + s.State);
        }
    }
}

void SmallWindows() {
    TForm4 pad;
    CheckPanels(pad, "hex pad, empty");
    for (int i = 0; i < HexDigitsMax; ++i) HexPadAddDigit('F');
    pad.Render();
    CheckPanels(pad, "hex pad, eight digits");

    TForm1 main;
    Type(main,
         "\x1b"
         "0-1=");
    TForm3 binary;
    binary.ShowBinary(BinaryWindowText());
    CheckPanels(binary, "binary window");
    CheckSystemControls(binary, "binary window");

    TIForm dialog;
    for (const auto& u : ValueDialogCaptionCases) {
        dialog.Control("Label1")->SetCaption(u.Title);
        dialog.Control("Label2")->SetCaption(u.Prompt);
        dialog.Edit1()->SetText(u.Typed);
        CheckPanels(dialog, std::string("value dialog ") + u.Title);
        CheckSystemControls(dialog, std::string("value dialog ") + u.Title);
    }
}

}  // namespace
}  // namespace abacone

int main() {
    using namespace abacone;
    MemoryClipboard clipboard;
    SetClipboard(&clipboard);
    MainWindow();
    SmallWindows();
    SetClipboard(nullptr);
    std::printf("%d controls checked, %d faults\n", checked, faults);
    return faults == 0 && checked > 0 ? 0 : 1;
}
