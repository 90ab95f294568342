// The Qt implementation of the window layer: the native widget behind each Form, Panel,
// Edit and Button, and the conversions at the toolkit's edge. Only this folder, and tests
// that look into the Qt widgets, include it.
#pragma once

#include <QEventLoop>
#include <QFont>
#include <QIcon>
#include <QLineEdit>
#include <QPoint>
#include <QPointer>
#include <QPushButton>
#include <QRgb>
#include <QString>
#include <QWidget>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/button.h"
#include "platform/edit.h"
#include "platform/form.h"
#include "platform/key_dispatch.h"
#include "platform/panel.h"
#include "platform/qt/caption.h"

class QAction;
class QMenu;

namespace abacone {

inline QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
inline QPoint ToQPoint(Point p) { return {p.X, p.Y}; }
inline Point FromQPoint(QPoint p) { return {p.x(), p.y()}; }
MouseButton FromQtButton(Qt::MouseButton button);
Qt::Alignment ToQtAlignment(Align align);

// An icon with a picture for each of the sizes.
QIcon IconFromXpm(std::span<const Xpm> sizes);

// Pixel sizes only, so nothing scales with the screen's resolution.
QFont MakeFont(const FontSpec& spec);

struct Form::Impl final : QWidget, KeyWindow {
    Impl(Form& face, BorderStyle border, bool stayOnTop);
    ~Impl() override;

    void ApplyWindowFlags();
    // The frame's left and top: where the client sits inside the outer rectangle.
    QPoint FrameInset() const;
    // Routes a focusable child's keys through this window's dispatch.
    void AdoptKeys(QWidget* child) { child->installEventFilter(this); }
    KeyResult Dispatch(const KeyStroke& stroke) { return abacone::DispatchKey(*this, stroke); }
    void BuildMenu();

    // KeyWindow
    const PopupMenu* ShortcutMenu() const override { return menu.get(); }
    bool MenuKeyOpensMenu() const override { return autoPopup; }
    void OpenMenuAtWindow() override { face.PopupAt(FromQPoint(mapToGlobal(QPoint(0, 0)))); }
    void RunHandler(const std::function<void()>& handler) override { face.Run(handler); }
    bool KeyDownHandler(const KeyStroke& stroke) override { return face.KeyDown(stroke); }
    void KeyPressHandler(char32_t& key) override { face.KeyPress(key); }
    Button* EnterButton() override;
    Button* AccessButton(int vk) override;
    void Press(Button& button) override;

    Form& face;
    BorderStyle border;
    bool stayOnTop;
    std::unique_ptr<PopupMenu> menu;
    bool autoPopup = true;
    Button* defaultButton = nullptr;
    QEventLoop* modalLoop = nullptr;
    // The caption frame's left and top, as last seen while the window had it.
    std::optional<QPoint> captionInset;
    bool dragging = false;
    QPoint dragOffset;
    // The native popup menu, built on first opening; entries by their item's index.
    QMenu* builtMenu = nullptr;
    std::vector<std::pair<std::size_t, QAction*>> actions;
    std::function<void(WindowEvent)> watcher;
    // Accessibility (accessibility.cpp): the display that keeps the focus, the words last
    // announced, and whether a key was used since.
    Panel* focusHome = nullptr;
    QString announced;
    bool keyUsed = false;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool HandleKeyEvent(QKeyEvent* event);
};

struct Panel::Impl final : QWidget {
    explicit Impl(QWidget* parent);

    // The area inside the bevel that the caption's ink stays in.
    QRect CaptionArea() const;
    // Draws the caption alone, in the control's coordinates and without clipping; the
    // paint event clips it to CaptionArea().
    void PaintCaption(QPainter& painter);
    void FitToText();
    void Relayout();

    Panel face{*this};
    QString caption;
    Align alignment = Align::Centre;
    bool wordWrap = false;
    Rgb background = color::Navy;
    Rgb fontColor = color::White;
    int bevel = 0;
    bool autoSize = false;
    bool pressed = false;
    std::optional<CaptionLayout> layout;  // empty: to be fitted before the next paint
    PanelRole role = PanelRole::Plain;
    bool focusMark = false;  // the focus came from the keyboard: the mark is drawn
    // What a display's text says to a screen reader: its value and the operator in words,
    // as last announced; empty: the caption.
    QString spoken;

    // Accessibility (accessibility.cpp).
    // Runs a handler through the form; for a key, as a key use the display announces.
    void RunAsKey(const std::function<void()>& handler);
    // Whether the panel lies outside the part of its window that is shown.
    bool Clipped() const;
    // The focus goes back to the window's focus home, without a mark.
    void ReturnFocusHome();
    void PaintFocusMark(QPainter& painter);

protected:
    void paintEvent(QPaintEvent*) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

struct Edit::Impl final : QLineEdit {
    explicit Impl(QWidget* parent) : QLineEdit(parent) {}
    Edit face{*this};
};

struct Button::Impl final : QPushButton {
    explicit Impl(QWidget* parent);
    Button face{*this};
};

// A top-level widget as the operating-system services take it, and back.
inline TopWindow* ToTop(QWidget* window) { return reinterpret_cast<TopWindow*>(window); }
inline QWidget* FromTop(TopWindow* window) { return reinterpret_cast<QWidget*>(window); }

// The widgets behind the neutral objects, and back.
inline QWidget* Widget(const Form& form) { return &form.Native(); }
inline QWidget* Widget(const Panel& panel) { return &panel.Native(); }
inline QLineEdit* Widget(const Edit& edit) { return &edit.Native(); }
inline QPushButton* Widget(const Button& button) { return &button.Native(); }
Form* FormOf(QWidget* widget);    // the Form whose window this is; null for others
Panel* PanelOf(QWidget* widget);  // null for other widgets
// The form's native popup menu; null until it first opened.
QMenu* BuiltMenu(const Form& form);

// Runs a control's handler through the Form that holds the control.
void RunInForm(QWidget* control, const std::function<void()>& handler);

}  // namespace abacone
