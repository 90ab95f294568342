#include "platform/form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWindow>
#include <exception>

#include "platform/application.h"
#include "platform/button.h"
#include "platform/key_translate.h"
#include "platform/modal_input.h"
#include "platform/panel.h"
#include "platform/services/services.h"

namespace abacone {
Form::Form(BorderStyle border, bool stayOnTop) : border_(border), stayOnTop_(stayOnTop) {
    setFocusPolicy(Qt::StrongFocus);
    setFont(MakeFont(WindowFont));
    ApplyWindowFlags();
}

Form::~Form() {
    if (MainForm() == this) SetMainForm(nullptr);
    if (modalLoop_) modalLoop_->quit();
}

int Form::Left() const { return frameGeometry().x(); }
int Form::Top() const { return frameGeometry().y(); }
int Form::Width() const { return frameGeometry().width(); }
int Form::Height() const { return frameGeometry().height(); }

void Form::SetClientSize(int width, int height) { setFixedSize(width, height); }

void Form::SetPosition(int left, int top) { move(left, top); }

void Form::ApplyWindowFlags() {
    Qt::WindowFlags flags = Qt::Window;
    if (border_ == BorderStyle::None)
        flags |= Qt::FramelessWindowHint;
    else
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    if (stayOnTop_) flags |= Qt::WindowStaysOnTopHint;
    if (flags == windowFlags()) return;
    QWindow* window = windowHandle();
    if (!window) {
        setWindowFlags(flags);
        return;
    }
    // The native window keeps existing and only its hints change: recreating it would
    // hide and show it, which takes the activation away and lets the window manager
    // place it anew.
    overrideWindowFlags(flags);
    window->setFlags(flags);
}

void Form::SetStayOnTop(bool on) {
    stayOnTop_ = on;
    ApplyWindowFlags();
}

QPoint Form::FrameInset() const { return geometry().topLeft() - frameGeometry().topLeft(); }

void Form::SetBorderStyle(BorderStyle border) {
    if (border == border_) return;
    const QPoint outer = frameGeometry().topLeft();
    if (border_ == BorderStyle::Single && isVisible() && FrameInset() != QPoint()) captionInset_ = FrameInset();
    border_ = border;
    ApplyWindowFlags();
    QWindow* window = windowHandle();
    if (!window || !isVisible()) return;
    // The window manager keeps the client area where it is and grows or drops the frame
    // around it; moving the client by the frame's left and top keeps the outer corner.
    // The position is the client's own, so a frame size the toolkit has not learned yet
    // cannot shift it. A window never seen with its caption takes the frame as the
    // toolkit knows it now.
    const QPoint inset = border == BorderStyle::None ? QPoint() : captionInset_.value_or(FrameInset());
    window->setPosition(outer + inset);
}

void Form::SetCaption(std::string_view caption) {
    setWindowTitle(QString::fromUtf8(caption.data(), qsizetype(caption.size())));
}

void Form::SetColor(QRgb background) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(background));
    setPalette(palette);
    setAutoFillBackground(true);
}

void Form::ShowModal() {
    QPointer<Form> self(this);
    // A window manager need not hand the activation back by itself.
    const ActivationReturn giveBack(this);
    {
        // Installed before the window shows, so no key typed ahead is lost.
        ModalInput input(this);
        show();
        raise();
        activateWindow();
        QEventLoop loop;
        modalLoop_ = &loop;
        if (isVisible()) loop.exec(QEventLoop::DialogExec);
        if (self) modalLoop_ = nullptr;
    }
}

void Form::Close() { close(); }

void Form::PopupAt(QPoint globalPos) {
    if (!menu_) return;
    menu_->Popup(this, globalPos, [this](const MenuItem& item) { Run(item.OnClick); });
}

Panel* Form::Control(const char* name) const {
    return dynamic_cast<Panel*>(findChild<QWidget*>(QLatin1String(name)));
}

void Form::AdoptKeys(QWidget* child) { child->installEventFilter(this); }

bool Form::DispatchKey(const KeyStroke& stroke) { return Dispatch(stroke) == KeyResult::Taken; }

Form::KeyResult Form::Dispatch(const KeyStroke& stroke) {
    const bool plain = !stroke.Shift && !stroke.Ctrl && !stroke.Alt;
    if (menu_) {
        if (const MenuItem* item = menu_->FindShortcut(ShortcutCode(stroke))) {
            if (!(item->FreshPressOnly && stroke.AutoRepeat)) Run(item->OnClick);
            return KeyResult::Taken;
        }
        if (stroke.Vk == vk::Apps && plain && autoPopup_) {
            PopupAt(mapToGlobal(QPoint(0, 0)));
            return KeyResult::Taken;
        }
    }
    if (stroke.Vk == vk::Tab && !stroke.Ctrl) return KeyResult::FocusMove;

    KeyResult result = KeyResult::PassOn;
    Button* press = nullptr;
    Run([&] {
        if (KeyDown(stroke)) {
            result = KeyResult::Taken;
            return;
        }
        if (stroke.Vk == vk::Return && !stroke.Ctrl && !stroke.Alt) {
            auto* focused = dynamic_cast<Button*>(QApplication::focusWidget());
            press = focused && isAncestorOf(focused) ? focused : defaultButton_;
        } else if (stroke.Alt && !stroke.Ctrl) {
            for (QPushButton* b : findChildren<QPushButton*>()) {
                auto* button = dynamic_cast<Button*>(b);
                if (button && button->AccessKey() == stroke.Vk && button->isVisibleTo(this)) press = button;
            }
        }
        if (press) {
            result = KeyResult::Taken;
            return;
        }
        char32_t c = stroke.Char;
        if (c != 0) {
            KeyPress(c);
            if (c == 0) result = KeyResult::Taken;
        }
    });
    if (press && press->isEnabled()) press->click();
    return result;
}

bool Form::HandleKeyEvent(QKeyEvent* event) {
    switch (Dispatch(TranslateKey(*event))) {
    case KeyResult::Taken: event->accept(); return true;
    case KeyResult::PassOn:
    case KeyResult::FocusMove: return false;
    }
    return false;
}

bool Form::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress && HandleKeyEvent(static_cast<QKeyEvent*>(event))) return true;
    return QWidget::event(event);
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    if (!HandleKeyEvent(static_cast<QKeyEvent*>(event))) {
        // The control gets the key here; one it ignores must not come back up to this
        // window, which has dispatched it already.
        watched->event(event);
        event->accept();
    }
    return true;
}

void Form::Run(const std::function<void()>& handler) {
    QPointer<Form> self(this);
    try {
        if (handler) handler();
    } catch (const std::exception& e) {
        Messages().Show(ApplicationTitle(), e.what(), MessageIcon::Exclamation);
    }
    if (self) AfterEvent();
}

void Form::DragByBody(Qt::MouseButton button, QPoint globalPos) {
    if (button != Qt::LeftButton) return;
    if (QWindow* window = windowHandle(); window && window->startSystemMove()) return;
    dragging_ = true;
    dragOffset_ = globalPos - pos();
    grabMouse();
}

void Form::mousePressEvent(QMouseEvent* event) {
    const Qt::MouseButton button = event->button();
    const QPoint at = event->globalPosition().toPoint();
    Run([&] { MouseDown(button, at); });
}

void Form::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) move(event->globalPosition().toPoint() - dragOffset_);
}

void Form::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_ || event->button() != Qt::LeftButton) return;
    dragging_ = false;
    releaseMouse();
}

void Form::contextMenuEvent(QContextMenuEvent* event) {
    // The menu key is dispatched with the other keys; only the mouse opens the menu here.
    if (event->reason() == QContextMenuEvent::Mouse && menu_ && autoPopup_) PopupAt(event->globalPos());
    event->accept();
}

void Form::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (modalLoop_ && !event->spontaneous()) modalLoop_->quit();
}

void Form::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted() && MainForm() == this) QCoreApplication::quit();
}

void RunInForm(QWidget* control, const std::function<void()>& handler) {
    if (auto* form = dynamic_cast<Form*>(control->window()))
        form->Run(handler);
    else if (handler)
        handler();
}

void PlaceOverClientRow(Form& window, const Form& owner, int row) {
    const int border = (owner.Width() - owner.ClientWidth()) / 2;
    window.SetPosition(owner.Left(), owner.Top() + (owner.Height() - owner.ClientHeight() - border) + row);
}

}  // namespace abacone
