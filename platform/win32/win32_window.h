// The Win32 implementation of the window layer: the native windows behind each Form,
// Panel, Edit and Button, and the conversions at the system's edge. Text is UTF-8 inside
// the program and UTF-16 at every call of a wide (W) function. Only this folder includes
// it.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/button.h"
#include "platform/edit.h"
#include "platform/form.h"
#include "platform/key_dispatch.h"
#include "platform/panel.h"

namespace abacone {

// The window procedure of a class whose objects own a window: the object pointer rides on
// the creation message and is kept with the window; its Handle answers the messages.
template <class T>
LRESULT CALLBACK ObjectWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return self ? self->Handle(message, wParam, lParam) : DefWindowProcW(hwnd, message, wParam, lParam);
}

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
inline COLORREF ToColorRef(Rgb c) { return RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }
MouseButton ButtonOfMessage(UINT message);

// DPI (dpi.cpp). The program's windows lay out in designed pixels (DesignDpi); sizes
// convert at the window's DPI, screen positions at the system's.
constexpr UINT DesignDpi = 96;
UINT SystemDpi();
UINT WindowDpi(HWND hwnd);      // the DPI of the monitor the window is on
UINT ControlDpi(HWND control);  // its form's DPI
inline int ToDevice(int designed, UINT dpi) { return MulDiv(designed, int(dpi), int(DesignDpi)); }
inline int ToDesigned(int device, UINT dpi) { return MulDiv(device, int(DesignDpi), int(dpi)); }
Box ToDevice(Box designed, UINT dpi);
Box ToDesigned(Box device, UINT dpi);
FontSpec ToDevice(FontSpec designed, UINT dpi);
inline Point ScreenToDesigned(POINT p) { return {ToDesigned(p.x, SystemDpi()), ToDesigned(p.y, SystemDpi())}; }
inline POINT ScreenToDevice(Point p) { return {ToDevice(p.X, SystemDpi()), ToDevice(p.Y, SystemDpi())}; }
// The font of the tool tips, in designed pixels.
inline constexpr FontSpec TipFont{12, false, false, color::Black};
// AdjustWindowRectEx with the frame of that DPI.
void AdjustWindowRectForDpi(RECT& r, DWORD style, DWORD exStyle, UINT dpi);

// The pixel font of a FontSpec in the Japanese Gothic face chosen once per process; the
// fonts live as long as the process.
HFONT FontFor(const FontSpec& spec);
// Draws a text with its baseline origin at `origin` (the DC's alignment is TA_BASELINE).
// Bold is the regular face struck twice, a pixel apart, as the system emboldens the
// Windows face's bitmaps at these sizes: heavier synthetic outlines fill the small
// letters' counters ("e", "s") of the free Gothic. The second stroke lies BoldOffset
// pixels to the right: one up to 23 pixels, where the face's stems are one pixel wide (a
// wider step would show two strokes), two from 24, so that at 200% bold is as heavy as
// at 100%.
inline int BoldOffset(const FontSpec& font) { return font.Bold ? std::max(1, font.PixelSize / 12) : 0; }
void DrawGlyphs(HDC dc, const FontSpec& font, POINT origin, const std::wstring& text);
// The face every font uses: "ＭＳ ゴシック" where present, else the first Japanese Gothic.
const std::wstring& GothicFace();

// Where a caption's ink goes inside a panel, measured by the pixels it really covers, as
// on every system: the font (possibly smaller than asked) and the baseline origin.
struct CaptionLayout {
    FontSpec Font;
    POINT Origin{};
};
CaptionLayout FitCaption(const FontSpec& font, const std::wstring& text, RECT area, Align alignment);
// The pixels a text covers drawn with its baseline origin at (0, 0); empty for no ink.
RECT InkBox(const FontSpec& font, const std::wstring& text);

struct Form::Impl final : KeyWindow {
    Impl(Form& face, BorderStyle border, bool stayOnTop);
    ~Impl();

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    // Lays the controls out again at a new DPI, and makes their fonts at its size.
    void ApplyDpi(UINT newDpi);
    DWORD Style() const;
    DWORD ExStyle() const;
    KeyResult Dispatch(const KeyStroke& stroke) { return abacone::DispatchKey(*this, stroke); }

    // KeyWindow
    const PopupMenu* ShortcutMenu() const override { return menu.get(); }
    bool MenuKeyOpensMenu() const override { return autoPopup; }
    void OpenMenuAtWindow() override;
    void RunHandler(const std::function<void()>& handler) override { face.Run(handler); }
    bool KeyDownHandler(const KeyStroke& stroke) override { return face.KeyDown(stroke); }
    void KeyPressHandler(char32_t& key) override { face.KeyPress(key); }
    Button* EnterButton() override;
    Button* AccessButton(int vk) override;
    void Press(Button& button) override;

    Form& face;
    HWND hwnd = nullptr;
    UINT dpi = DesignDpi;  // of the monitor the window is on
    BorderStyle border;
    bool stayOnTop;
    std::unique_ptr<PopupMenu> menu;
    bool autoPopup = true;
    Button* defaultButton = nullptr;
    bool inModalRun = false;
    // The windows a modal run of this one disabled, enabled again before it hides: a
    // window manager hands the focus back only to a window that takes it.
    std::vector<HWND> disabledByModal;
    void EnableOthers();
    // Tells the window's watcher and the window itself that it is the active one.
    void TellActivated();
    HWND tips = nullptr;  // the window's tool tips, made with its first hint
    // Shows `text` as the hint of the control `control`; empty removes it.
    void SetTip(HWND control, const std::string& text);
    HWND lastFocus = nullptr;  // the child that had the keyboard when the window lost it
    Rgb background = color::Black;
    HBRUSH backgroundBrush = nullptr;
    std::string name;
    std::function<void(WindowEvent)> watcher;
    // The controls on this window and on its panels; the window owns them.
    std::vector<std::unique_ptr<Panel::Impl>> panels;
    std::vector<std::unique_ptr<Edit::Impl>> edits;
    std::vector<std::unique_ptr<Button::Impl>> buttons;

    // The keyboard walk (focus.cpp). The display holds the focus while keys are clicked.
    Panel::Impl* focusHome = nullptr;
    bool focusByKeyboard = false;  // while Tab moves the focus
    // Tab's focus move over the display and the shown keys, row by row, then the system
    // controls; false when the window has no keys to walk.
    bool MoveFocus(bool back);
    // A key the window no longer shows gives the focus back to the display.
    void KeepFocusShown();
    // Hands the window's focus on to the control that last had it, else the display;
    // false when there is neither. A program-drawn panel gets it after the system has
    // told screen readers that the window has the focus, unless `now`.
    bool PassFocusOn(bool now);
};

// What screen readers are told of a window beyond what the system's proxy knows of it,
// answered through WM_GETOBJECT (accessibility.cpp). Empty texts: the proxy's.
struct AccessibleTold {
    AccessibleTold() = default;
    AccessibleTold(const AccessibleTold&) = delete;
    AccessibleTold& operator=(const AccessibleTold&) = delete;
    ~AccessibleTold();  // a reader may hold the object longer: it is cut loose

    std::wstring name;
    std::wstring description;
    struct Object;
    Object* object = nullptr;  // made on the first request
    HWND subclassed = nullptr;
    // For a program-drawn panel (role, value and press action are its own).
    LRESULT Answer(HWND hwnd, Panel::Impl* panel, WPARAM wParam, LPARAM lParam);
};
// A system control (edit box, button) whose name and description the program gives.
void AnswerObjectRequests(HWND control, AccessibleTold& told);

struct Panel::Impl {
    Impl(Form& form, HWND parent, const char* name, Box box);
    ~Impl();
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    RECT CaptionArea() const;
    UINT Dpi() const;
    int DeviceBevel() const { return ToDevice(bevel, Dpi()); }
    FontSpec DeviceFont() const { return ToDevice(font, Dpi()); }
    void Place();  // at its designed box, at the form's DPI
    void Paint(HDC dc);
    // The caption alone, unclipped: Paint clips it to the caption area.
    void PaintCaption(HDC dc);
    void FitToText();
    void Relayout();
    void RunInForm(const std::function<void()>& handler) { form.Run(handler); }

    Form& form;
    HWND hwnd = nullptr;
    Panel face{*this};
    Box designed;  // in the parent, as created
    std::string name;
    std::wstring caption;
    std::string hint;
    Align alignment = Align::Centre;
    bool wordWrap = false;
    Rgb background = color::Navy;
    FontSpec font = WindowFont;
    int bevel = 0;
    bool autoSize = false;
    bool pressed = false;
    bool layoutValid = false;
    CaptionLayout layout;
    PanelRole role = PanelRole::Plain;

    // Accessibility (accessibility.cpp).
    AccessibleTold told;
    std::wstring spoken;  // a display's text for screen readers; empty: the caption

    // The keyboard focus (focus.cpp): the mark is drawn only while Tab put it here.
    bool focusMark = false;
    bool HandleFocus(UINT message, WPARAM wParam, LRESULT& result);
    void PaintFocusMark(HDC dc);
};

// Posted to a key's window when a screen reader presses it: the click runs from the
// message loop, not inside the reader's call.
inline constexpr UINT WM_ABACONE_PRESS = WM_APP + 0x41;
// Posted to a form that got the focus: its panel takes it over (Form::Impl::PassFocusOn).
inline constexpr UINT WM_ABACONE_PASS_FOCUS = WM_APP + 0x48;

struct Edit::Impl {
    Edit face{*this};
    HWND hwnd = nullptr;
    Box designed;
    FontSpec font = WindowFont;
    AccessibleTold told;
    Rgb background = color::White;
    Rgb textColor = color::Black;
    HBRUSH brush = nullptr;
    ~Impl() {
        if (brush) DeleteObject(brush);
    }
};

struct Button::Impl {
    explicit Impl(Form& form) : form(form) {}
    Form& form;
    Button face{*this};
    HWND hwnd = nullptr;
    Box designed;
    AccessibleTold told;
};

// A hidden top-level window of the layer whose messages go to a function: the icon in the
// notification area, the taskbar's restart, the knocks of later starts. Top-level, not
// message-only, because only top-level windows hear broadcasts such as TaskbarCreated.
struct HiddenWindow {
    // Gives a message's result, or nothing for the default processing.
    using Handler = std::function<std::optional<LRESULT>(UINT message, WPARAM wParam, LPARAM lParam)>;
    explicit HiddenWindow(Handler handler);
    ~HiddenWindow();
    HiddenWindow(const HiddenWindow&) = delete;
    HiddenWindow& operator=(const HiddenWindow&) = delete;
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd = nullptr;
    Handler handler;
};

// An icon from the program's artwork (XPM text); null when it cannot be read.
HICON IconFromXpm(Xpm xpm);
// The application's small icon, once SetApplicationIcon has made it; else null.
HICON ApplicationSmallIcon();
// Gives a window the application's icon, once SetApplicationIcon has made it.
void ApplyApplicationIcon(HWND window);

// The Form whose top-level window this is; null for windows not of this layer.
Form::Impl* FormImplOf(HWND hwnd);
inline HWND HwndOf(TopWindow* window) { return reinterpret_cast<HWND>(window); }
inline TopWindow* TopOf(HWND hwnd) { return reinterpret_cast<TopWindow*>(hwnd); }

// Control notifications (button clicks, edit colours) that reach a form or a panel.
bool HandleChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// Handles one queued message: a key stroke goes through its window's fixed key order,
// its key-down and character messages taken together; everything else is dispatched.
void HandleMessage(MSG& msg);
// Every form of the program that is alive, in creation order.
std::vector<Form::Impl*>& LiveForms();
// Whether a modal run (a form's or a message box's) is in progress.
int& MessageBoxDepth();

}  // namespace abacone
