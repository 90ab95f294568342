// A top-level window of the calculator. A window class derives from Form, builds its
// controls from a table (controls.h) and its popup menu from a table (menu.h), and
// overrides the handlers it needs:
//   KeyDown(stroke)  virtual keys; return true to take the key (no character follows)
//   KeyPress(ch)     typed characters; set ch to 0 to take it from the focused control
//   MouseDown        a press on the window's own background
//   AfterEvent       runs after every handled event (the main window renders here)
//   Shown            the window was shown (bySystem: by the system, as a restore)
//   Activated        the window got the activation
// Every key stroke, whichever control has the focus, passes the fixed order of
// key_dispatch.h. The implementation of the window layer owns the native window.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/menu.h"
#include "platform/services/keycodes.h"
#include "platform/style.h"
#include "platform/window_types.h"

namespace abacone {

class Button;
class Panel;

enum class BorderStyle {
    None,    // no caption bar, no frame
    Single,  // caption bar with system menu and minimise box, fixed frame
};

class Form {
public:
    struct Impl;  // the native window, defined by the implementation
    Form(BorderStyle border, bool stayOnTop);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Geometry: Left/Top/Width/Height are the outer frame in screen pixels; the client
    // size is the area inside the frame. Nothing is resizable by the user.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    int ClientWidth() const;
    int ClientHeight() const;
    Box Bounds() const { return {Left(), Top(), Width(), Height()}; }
    // Where the client area lies inside the outer box, as the window system framed the
    // window: every placement that needs the frame asks this.
    Insets FrameInsets() const;
    void SetClientSize(int width, int height);
    void SetClientHeight(int height) { SetClientSize(ClientWidth(), height); }
    void SetPosition(int left, int top);
    void SetLeft(int left) { SetPosition(left, Top()); }
    void SetTop(int top) { SetPosition(Left(), top); }
    // Where a point of the client area lies on the screen.
    Point ClientToScreen(Point client) const;

    void SetStayOnTop(bool on);
    bool StayOnTop() const;
    void SetBorderStyle(BorderStyle border);
    BorderStyle Border() const;
    void SetCaption(std::string_view caption);
    void SetColor(Rgb background);
    void SetFont(const FontSpec& font);  // the font of the window's own texts
    // The name tests and the toolkit's introspection know the window by.
    void SetName(std::string_view name);
    void SetHint(std::string_view text);  // the window's own tool tip

    int Tag = 0;  // free integer for the window's own use

    void Show();
    void Hide();
    bool Visible() const;
    bool Minimized() const;
    void ShowMinimized();
    // Shown, restored from minimised and in its own place.
    void ShowNormal();
    // Whether this window has the keyboard; Activate raises it and asks for it.
    bool Active() const;
    void Activate();
    TopWindow* Handle() const;

    // What the window's owner (the shell, for the main window) hears of it beyond its own
    // handlers. The watcher is cleared before the window goes.
    enum class WindowEvent { Activated, Deactivated, StateChanged, Destroyed };
    void SetWatcher(std::function<void(WindowEvent)> watcher);
    // Shows the window modally and returns once it is closed (or hidden by the program).
    // Meanwhile the other windows take no input; keys typed for them reach this one.
    // Afterwards the window that was active before takes the activation back.
    void ShowModal();
    bool InModalRun() const;
    // Closes the window; closing the application's main form ends the program.
    void Close();

    void SetPopupMenu(std::unique_ptr<PopupMenu> menu);
    PopupMenu* Menu() const;
    // Off: the menu only serves its shortcuts; right clicks open nothing.
    void SetAutoPopup(bool on);
    void PopupAt(Point globalPos);

    void SetDefaultButton(Button* button);
    // A panel or label of this window by its name; null when there is none.
    Panel* Control(std::string_view name) const;

    // The display that holds the keyboard focus when the window gets it and while its
    // keys are clicked, so that a screen reader hears the display change; the window's
    // key panels become tab stops in rows, top to bottom and left to right.
    void SetFocusHome(Panel* display);
    // Tells assistive technology the display's new state in words (the value and what
    // goes with it): sent when the words changed or a key was used since the last call.
    void Announce(Panel& display, std::string_view words);

    // The fixed key order; true when the stroke was taken.
    bool DispatchKey(const KeyStroke& stroke);
    // Runs one event handler, then AfterEvent. An exception that escapes the handler is
    // shown in a message box and the program goes on.
    void Run(const std::function<void()>& handler);

    // Window dragging by its body: a left press starts the system's move; other buttons
    // do nothing. Where the system cannot move windows the pointer is followed here.
    void DragByBody(MouseButton button, Point globalPos);

    // Expires when the window is destroyed: for callers that run a nested event loop.
    std::weak_ptr<int> Life() const { return life_; }

    Impl& Native() const { return *impl_; }

protected:
    virtual bool KeyDown(const KeyStroke&) { return false; }
    virtual void KeyPress(char32_t&) {}
    virtual void MouseDown(MouseButton, Point) {}
    virtual void AfterEvent() {}
    virtual void Shown(bool /*bySystem*/) {}
    virtual void Activated() {}

private:
    std::unique_ptr<Impl> impl_;
    std::shared_ptr<int> life_ = std::make_shared<int>(0);
};

}  // namespace abacone
