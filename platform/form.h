// A top-level window of the calculator. A window class derives from Form, builds its
// controls from a table (controls.h) and its popup menu from a table (menu.h), and
// overrides the handlers it needs:
//   KeyDown(stroke)  virtual keys; return true to take the key (no character follows)
//   KeyPress(ch)     typed characters; set ch to 0 to take it from the focused control
//   MouseDown        a press on the window's own background
//   AfterEvent       runs after every handled event (the main window renders here)
// Every key stroke, whichever control has the focus, passes one fixed order: menu
// shortcut (hidden entries included), then KeyDown, then Enter for the default button
// and Alt+letter for button access letters, then KeyPress. A shortcut taken by the menu
// produces no KeyDown and no KeyPress. Tab without Ctrl only moves the focus.
#pragma once

#include <QPoint>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/services/keycodes.h"
#include "platform/menu.h"
#include "platform/style.h"

class QEventLoop;

namespace abacone {

class Button;
class Panel;

enum class BorderStyle {
    None,    // no caption bar, no frame
    Single,  // caption bar with system menu and minimise box, fixed frame
};

class Form : public QWidget {
public:
    Form(BorderStyle border, bool stayOnTop);
    ~Form() override;

    // Geometry: Left/Top/Width/Height are the outer frame in screen pixels; the client
    // size is the area inside the frame. Nothing is resizable by the user.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    int ClientWidth() const { return width(); }
    int ClientHeight() const { return height(); }
    void SetClientSize(int width, int height);
    void SetClientHeight(int height) { SetClientSize(ClientWidth(), height); }
    void SetPosition(int left, int top);
    void SetLeft(int left) { SetPosition(left, Top()); }
    void SetTop(int top) { SetPosition(Left(), top); }

    void SetStayOnTop(bool on);
    bool StayOnTop() const { return stayOnTop_; }
    void SetBorderStyle(BorderStyle border);
    BorderStyle Border() const { return border_; }
    void SetCaption(std::string_view caption);
    void SetColor(QRgb background);

    int Tag = 0;  // free integer for the window's own use

    // Shows the window modally and returns once it is closed (or hidden by the program).
    // Meanwhile the other windows take no input; keys typed for them reach this one.
    // Afterwards the window that was active before takes the activation back.
    void ShowModal();
    bool InModalRun() const { return modalLoop_ != nullptr; }
    // Closes the window; closing the application's main form ends the program.
    void Close();

    void SetPopupMenu(std::unique_ptr<PopupMenu> menu) { menu_ = std::move(menu); }
    PopupMenu* Menu() const { return menu_.get(); }
    // Off: the menu only serves its shortcuts; right clicks open nothing.
    void SetAutoPopup(bool on) { autoPopup_ = on; }
    void PopupAt(QPoint globalPos);

    void SetDefaultButton(Button* button) { defaultButton_ = button; }
    // A panel or label of this window by its name; null when there is none.
    Panel* Control(const char* name) const;
    // Routes a focusable child's keys through this window's dispatch. The Add* helpers
    // of controls.h do it for the controls they make.
    void AdoptKeys(QWidget* child);

    // The fixed key order; true when the stroke was taken.
    bool DispatchKey(const KeyStroke& stroke);
    // Runs one event handler, then AfterEvent. An exception that escapes the handler is
    // shown in a message box and the program goes on.
    void Run(const std::function<void()>& handler);

    // Window dragging by its body: a left press starts the system's move; other buttons
    // do nothing. Where the system cannot move windows the pointer is followed here.
    void DragByBody(Qt::MouseButton button, QPoint globalPos);

protected:
    virtual bool KeyDown(const KeyStroke&) { return false; }
    virtual void KeyPress(char32_t&) {}
    virtual void MouseDown(Qt::MouseButton, QPoint) {}
    virtual void AfterEvent() {}

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    enum class KeyResult { Taken, PassOn, FocusMove };
    KeyResult Dispatch(const KeyStroke& stroke);
    bool HandleKeyEvent(QKeyEvent* event);
    void ApplyWindowFlags();
    // The frame's left and top: where the client sits inside the outer rectangle.
    QPoint FrameInset() const;

    BorderStyle border_;
    bool stayOnTop_;
    std::unique_ptr<PopupMenu> menu_;
    bool autoPopup_ = true;
    Button* defaultButton_ = nullptr;
    QEventLoop* modalLoop_ = nullptr;
    // The caption frame's left and top, as last seen while the window had it.
    std::optional<QPoint> captionInset_;
    bool dragging_ = false;
    QPoint dragOffset_;
};

// Runs a control's handler through the Form that holds the control.
void RunInForm(QWidget* control, const std::function<void()>& handler);

// Places a modal window over an owner window: its top on the owner's client row `row`
// (row 0 is the top of the owner's client area), its left on the owner's outer left edge.
void PlaceOverClientRow(Form& window, const Form& owner, int row);

}  // namespace abacone
