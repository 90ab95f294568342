#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QWindow>
#include <exception>

#include "platform/application.h"
#include "platform/qt/key_translate.h"
#include "platform/qt/modal_input.h"
#include "platform/qt/qt_window.h"
#include "platform/services/services.h"

namespace abacone {

MouseButton FromQtButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return MouseButton::Left;
    case Qt::RightButton: return MouseButton::Right;
    case Qt::MiddleButton: return MouseButton::Middle;
    default: return MouseButton::None;
    }
}

Form::Impl::Impl(Form& face, BorderStyle border, bool stayOnTop) : face(face), border(border), stayOnTop(stayOnTop) {
    setFocusPolicy(Qt::StrongFocus);
    setFont(MakeFont(WindowFont));
    ApplyWindowFlags();
}

Form::Impl::~Impl() {
    if (modalLoop) modalLoop->quit();
}

Form::Form(BorderStyle border, bool stayOnTop) : impl_(std::make_unique<Impl>(*this, border, stayOnTop)) {}

Form::~Form() {
    // Told before anything goes; the watcher may end what it owns.
    if (auto watcher = std::exchange(impl_->watcher, nullptr)) watcher(WindowEvent::Destroyed);
    if (MainForm() == this) SetMainForm(nullptr);
}

int Form::Left() const { return impl_->frameGeometry().x(); }
int Form::Top() const { return impl_->frameGeometry().y(); }
int Form::Width() const { return impl_->frameGeometry().width(); }
int Form::Height() const { return impl_->frameGeometry().height(); }
int Form::ClientWidth() const { return impl_->width(); }
int Form::ClientHeight() const { return impl_->height(); }

void Form::SetClientSize(int width, int height) { impl_->setFixedSize(width, height); }

void Form::SetPosition(int left, int top) { impl_->move(left, top); }

Point Form::ClientToScreen(Point client) const { return FromQPoint(impl_->mapToGlobal(ToQPoint(client))); }

void Form::Impl::ApplyWindowFlags() {
    Qt::WindowFlags flags = Qt::Window;
    if (border == BorderStyle::None)
        flags |= Qt::FramelessWindowHint;
    else
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    if (stayOnTop) flags |= Qt::WindowStaysOnTopHint;
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
    impl_->stayOnTop = on;
    impl_->ApplyWindowFlags();
}

bool Form::StayOnTop() const { return impl_->stayOnTop; }
BorderStyle Form::Border() const { return impl_->border; }

Insets Form::FrameInsets() const {
    const QRect outer = impl_->frameGeometry(), client = impl_->geometry();
    return {client.left() - outer.left(), client.top() - outer.top(), outer.right() - client.right(),
            outer.bottom() - client.bottom()};
}

QPoint Form::Impl::FrameInset() const {
    const Insets frame = face.FrameInsets();
    return {frame.Left, frame.Top};
}

void Form::SetBorderStyle(BorderStyle border) {
    Impl& w = *impl_;
    if (border == w.border) return;
    const QPoint outer = w.frameGeometry().topLeft();
    if (w.border == BorderStyle::Single && w.isVisible() && w.FrameInset() != QPoint()) w.captionInset = w.FrameInset();
    w.border = border;
    w.ApplyWindowFlags();
    QWindow* window = w.windowHandle();
    if (!window || !w.isVisible()) return;
    // The window manager keeps the client area where it is and grows or drops the frame
    // around it; moving the client by the frame's left and top keeps the outer corner.
    // The position is the client's own, so a frame size the toolkit has not learned yet
    // cannot shift it. A window never seen with its caption takes the frame as the
    // toolkit knows it now.
    const QPoint inset = border == BorderStyle::None ? QPoint() : w.captionInset.value_or(w.FrameInset());
    window->setPosition(outer + inset);
}

void Form::SetCaption(std::string_view caption) { impl_->setWindowTitle(ToQString(caption)); }

void Form::SetColor(Rgb background) {
    QPalette palette = impl_->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(background));
    impl_->setPalette(palette);
    impl_->setAutoFillBackground(true);
}

void Form::SetFont(const FontSpec& font) { impl_->setFont(MakeFont(font)); }
void Form::SetName(std::string_view name) { impl_->setObjectName(ToQString(name)); }
void Form::SetHint(std::string_view text) { impl_->setToolTip(ToQString(text)); }

void Form::Show() { impl_->show(); }
void Form::Hide() { impl_->hide(); }
bool Form::Visible() const { return impl_->isVisible(); }
bool Form::Minimized() const { return impl_->isMinimized(); }
void Form::ShowMinimized() { impl_->showMinimized(); }
void Form::ShowNormal() { impl_->showNormal(); }
bool Form::Active() const { return impl_->isActiveWindow(); }

void Form::Activate() {
    impl_->raise();
    impl_->activateWindow();
}

TopWindow* Form::Handle() const { return ToTop(impl_.get()); }

void Form::SetWatcher(std::function<void(WindowEvent)> watcher) { impl_->watcher = std::move(watcher); }

void Form::ShowModal() {
    Impl& w = *impl_;
    QPointer<Impl> self(&w);
    // A window manager need not hand the activation back by itself.
    const ActivationReturn giveBack(&w);
    {
        // Installed before the window shows, so no key typed ahead is lost.
        ModalInput input(&w);
        w.show();
        w.raise();
        w.activateWindow();
        QEventLoop loop;
        w.modalLoop = &loop;
        if (w.isVisible()) loop.exec(QEventLoop::DialogExec);
        if (self) w.modalLoop = nullptr;
    }
}

bool Form::InModalRun() const { return impl_->modalLoop != nullptr; }

void Form::Close() { impl_->close(); }

void Form::SetPopupMenu(std::unique_ptr<PopupMenu> menu) {
    delete impl_->builtMenu;
    impl_->builtMenu = nullptr;
    impl_->actions.clear();
    impl_->menu = std::move(menu);
}

PopupMenu* Form::Menu() const { return impl_->menu.get(); }
void Form::SetAutoPopup(bool on) { impl_->autoPopup = on; }

void Form::Impl::BuildMenu() {
    builtMenu = new QMenu(this);
    std::vector<QMenu*> parents{builtMenu};
    const std::vector<MenuItem>& items = menu->Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MenuItem& item = items[i];
        parents.resize(std::size_t(item.Level) + 1);
        if (!menu->Shown(i)) continue;
        QMenu* parent = parents.back();
        const QString caption = QString::fromStdString(item.Caption);
        if (item.Caption == "-") {
            parent->addSeparator();
        } else if (menu->HasChildren(i)) {
            parents.push_back(parent->addMenu(caption));
        } else {
            QString text = caption;
            if (item.Shortcut) text += u'\t' + QString::fromStdString(ShortcutText(item.Shortcut));
            QAction* action = parent->addAction(text);
            if (item.RadioItem) {
                auto* group = new QActionGroup(action);
                group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
                group->addAction(action);
            }
            QObject::connect(action, &QAction::triggered, builtMenu, [this, i] {
                if (menu) face.Run(menu->Items()[i].OnClick);
            });
            actions.emplace_back(i, action);
        }
    }
}

void Form::PopupAt(Point globalPos) {
    Impl& w = *impl_;
    if (!w.menu) return;
    if (!w.builtMenu) w.BuildMenu();
    for (auto& [index, action] : w.actions) {
        const MenuItem& item = w.menu->Items()[index];
        action->setCheckable(item.Checked || item.RadioItem);
        action->setChecked(item.Checked);
    }
    w.builtMenu->popup(ToQPoint(globalPos));
}

QMenu* BuiltMenu(const Form& form) { return form.Native().builtMenu; }

void Form::SetDefaultButton(Button* button) { impl_->defaultButton = button; }

Panel* Form::Control(std::string_view name) const { return PanelOf(impl_->findChild<QWidget*>(ToQString(name))); }

Form* FormOf(QWidget* widget) {
    auto* impl = dynamic_cast<Form::Impl*>(widget);
    return impl ? &impl->face : nullptr;
}

bool Form::DispatchKey(const KeyStroke& stroke) { return impl_->Dispatch(stroke) == KeyResult::Taken; }

Button* Form::Impl::EnterButton() {
    auto* focused = dynamic_cast<Button::Impl*>(QApplication::focusWidget());
    return focused && isAncestorOf(focused) ? &focused->face : defaultButton;
}

Button* Form::Impl::AccessButton(int vk) {
    Button* found = nullptr;
    for (Button::Impl* b : findChildren<Button::Impl*>())
        if (b->face.AccessKey() == vk && b->isVisibleTo(this)) found = &b->face;
    return found;
}

void Form::Impl::Press(Button& button) {
    if (button.Native().isEnabled()) button.Native().click();
}

bool Form::Impl::HandleKeyEvent(QKeyEvent* event) {
    switch (Dispatch(TranslateKey(*event))) {
    case KeyResult::Taken: event->accept(); return true;
    case KeyResult::PassOn:
    case KeyResult::FocusMove: return false;
    }
    return false;
}

bool Form::Impl::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress && HandleKeyEvent(static_cast<QKeyEvent*>(event))) return true;
    switch (event->type()) {
    case QEvent::WindowActivate:
        if (watcher) watcher(WindowEvent::Activated);
        face.Activated();
        break;
    case QEvent::WindowDeactivate:
        if (watcher) watcher(WindowEvent::Deactivated);
        break;
    // A new native window, should the toolkit make one, is a change of state too.
    case QEvent::WinIdChange:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
        if (watcher) watcher(WindowEvent::StateChanged);
        break;
    default: break;
    }
    return QWidget::event(event);
}

bool Form::Impl::eventFilter(QObject* watched, QEvent* event) {
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
    QPointer<Impl> self(impl_.get());
    try {
        if (handler) handler();
    } catch (const std::exception& e) {
        Messages().Show(ApplicationTitle(), e.what(), MessageIcon::Exclamation);
    }
    if (self) AfterEvent();
}

void Form::DragByBody(MouseButton button, Point globalPos) {
    Impl& w = *impl_;
    if (button != MouseButton::Left) return;
    if (QWindow* window = w.windowHandle(); window && window->startSystemMove()) return;
    w.dragging = true;
    w.dragOffset = ToQPoint(globalPos) - w.pos();
    w.grabMouse();
}

void Form::Impl::mousePressEvent(QMouseEvent* event) {
    const MouseButton button = FromQtButton(event->button());
    const Point at = FromQPoint(event->globalPosition().toPoint());
    face.Run([&] { face.MouseDown(button, at); });
}

void Form::Impl::mouseMoveEvent(QMouseEvent* event) {
    if (dragging) move(event->globalPosition().toPoint() - dragOffset);
}

void Form::Impl::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging || event->button() != Qt::LeftButton) return;
    dragging = false;
    releaseMouse();
}

void Form::Impl::contextMenuEvent(QContextMenuEvent* event) {
    // The menu key is dispatched with the other keys; only the mouse opens the menu here.
    if (event->reason() == QContextMenuEvent::Mouse && menu && autoPopup) face.PopupAt(FromQPoint(event->globalPos()));
    event->accept();
}

void Form::Impl::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    face.Shown(event->spontaneous());
}

void Form::Impl::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (modalLoop && !event->spontaneous()) modalLoop->quit();
}

void Form::Impl::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted() && MainForm() == &face) QCoreApplication::quit();
}

void RunInForm(QWidget* control, const std::function<void()>& handler) {
    if (Form* form = FormOf(control->window()))
        form->Run(handler);
    else if (handler)
        handler();
}

}  // namespace abacone
