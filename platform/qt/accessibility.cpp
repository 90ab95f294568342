// What screen readers and keyboard users get of the self-painted panels: keys are push
// buttons with a press action, displays read-only text; keys are tab stops in rows, and
// a window's display holds the focus while its keys are clicked, so that a screen
// reader, which follows the focused object, hears what the display shows.
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>

#include "platform/qt/qt_window.h"

namespace abacone {
namespace {

class PanelAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PanelAccessible(Panel::Impl* panel) : QAccessibleWidget(panel) {}

    Panel::Impl* panel() const { return static_cast<Panel::Impl*>(widget()); }

    QAccessible::Role role() const override {
        switch (panel()->role) {
        case PanelRole::Key: return QAccessible::Button;
        // Read-only text rather than a label: screen readers speak the text changes of a
        // focused text object, and ignore those of labels.
        case PanelRole::Display: return QAccessible::EditableText;
        case PanelRole::Plain: break;
        }
        return panel()->caption.isEmpty() ? QAccessible::Client : QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override {
        const Panel::Impl* p = panel();
        switch (t) {
        case QAccessible::Name: return p->accessibleName().isEmpty() ? p->caption : p->accessibleName();
        case QAccessible::Description:
            return p->accessibleDescription().isEmpty() ? p->toolTip() : p->accessibleDescription();
        case QAccessible::Value: return p->role == PanelRole::Display ? p->caption : QString();
        default: return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (panel()->Clipped()) {
            s.invisible = true;
            s.offscreen = true;
        }
        if (panel()->role == PanelRole::Display) s.readOnly = true;
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface && panel()->role == PanelRole::Display)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (IsKey()) names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& name) override {
        if (name != pressAction() || !IsKey()) return QAccessibleWidget::doAction(name);
        // After the caller's request has returned: a handler may open a modal window,
        // whose event loop must not hold the reply.
        QTimer::singleShot(0, panel(), [p = panel()] {
            if (p->face.OnClick) p->RunAsKey(p->face.OnClick);
        });
    }

    QStringList keyBindingsForAction(const QString& name) const override {
        if (name == pressAction() && IsKey()) return {QStringLiteral("Down")};
        return QAccessibleWidget::keyBindingsForAction(name);
    }

    // Read-only text: the value the display shows, without a caret. It reads as selected as a
    // whole, as a field's text is on entry: Orca 43 speaks inserted text of the focused
    // object only when it knows a cause, and text that is also selected is one.
    QString text(int start, int end) const override {
        const QString& said = Said();
        const int count = int(said.size());
        if (end < 0 || end > count) end = count;
        start = std::clamp(start, 0, end);
        return said.mid(start, end - start);
    }
    int characterCount() const override { return int(Said().size()); }
    void selection(int index, int* start, int* end) const override {
        *start = 0;
        *end = index == 0 ? characterCount() : 0;
    }
    int selectionCount() const override { return characterCount() > 0 ? 1 : 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    // One run without attributes over the whole text: readers speak a line run by run.
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    bool IsKey() const { return panel()->role == PanelRole::Key && panel()->face.OnClick; }
    const QString& Said() const { return panel()->caption; }
};

QAccessibleInterface* PanelFactory(const QString&, QObject* object) {
    auto* panel = dynamic_cast<Panel::Impl*>(object);
    return panel ? new PanelAccessible(panel) : nullptr;
}

// Panel::Impl has no meta-object of its own: findChildren would take every widget.
std::vector<Panel::Impl*> KeysOf(QWidget& window) {
    std::vector<Panel::Impl*> keys;
    for (QWidget* w : window.findChildren<QWidget*>())
        if (auto* p = dynamic_cast<Panel::Impl*>(w); p && p->role == PanelRole::Key) keys.push_back(p);
    return keys;
}

// Keys the window does not show (the extended rows of a compact window) are no tab
// stops; a key used from the keyboard counts for the display's announcement.
class TabStops final : public QObject {
public:
    explicit TabStops(Form::Impl& window) : QObject(&window), window_(window) {}

    void Update() {
        for (Panel::Impl* key : KeysOf(window_)) key->setFocusPolicy(key->Clipped() ? Qt::NoFocus : Qt::TabFocus);
        auto* focused = dynamic_cast<Panel::Impl*>(window_.focusWidget());
        if (focused && focused->Clipped() && window_.focusHome) Widget(*window_.focusHome)->setFocus();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_) {
            if (event->type() == QEvent::Resize) Update();
        } else if (event->type() == QEvent::KeyPress) {
            switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Shift:
            case Qt::Key_Control:
            case Qt::Key_Alt:
            case Qt::Key_AltGr:
            case Qt::Key_Meta:
            case Qt::Key_Tab:
            case Qt::Key_Backtab: break;
            default: window_.keyUsed = true;
            }
        }
        return false;
    }

private:
    Form::Impl& window_;
};

}  // namespace

void Panel::SetRole(PanelRole role) {
    impl_.role = role;
    // Installed once the application exists: the toolkit asks the factories installed
    // last first, and installs its own with the application.
    static const bool installed = (QAccessible::installFactory(&PanelFactory), true);
    (void)installed;
    // The toolkit may have made the panel's interface while the widget was being built,
    // before it could be told apart as a panel; the next query makes ours.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&impl_);
        made && !dynamic_cast<PanelAccessible*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    if (role != PanelRole::Key) return;
    impl_.setFocusPolicy(Qt::TabFocus);
    if (Form* form = FormOf(impl_.window())) form->Native().AdoptKeys(&impl_);
}

PanelRole Panel::Role() const { return impl_.role; }
void Panel::SetAccessibleName(std::string_view name) { impl_.setAccessibleName(ToQString(name)); }
void Panel::SetAccessibleDescription(std::string_view text) { impl_.setAccessibleDescription(ToQString(text)); }
void Button::SetAccessibleName(std::string_view name) { impl_.setAccessibleName(ToQString(name)); }
void Button::SetAccessibleDescription(std::string_view text) { impl_.setAccessibleDescription(ToQString(text)); }

void Panel::Impl::RunAsKey(const std::function<void()>& handler) {
    if (role == PanelRole::Key)
        if (Form* form = FormOf(window())) form->Native().keyUsed = true;
    RunInForm(this, handler);
}

bool Panel::Impl::Clipped() const {
    const QWidget* w = window();
    return !w->rect().contains(QRect(mapTo(w, QPoint(0, 0)), size()));
}

void Panel::Impl::ReturnFocusHome() {
    Form* form = FormOf(window());
    if (!form || !form->Native().focusHome) return;
    QWidget* home = Widget(*form->Native().focusHome);
    QWidget* focused = QApplication::focusWidget();
    if (focused && focused != home && focused->window() == window()) home->setFocus(Qt::OtherFocusReason);
}

void Panel::Impl::PaintFocusMark(QPainter& painter) {
    // Over the outer pixel ring, so no caption ink is covered and nothing moves.
    const bool light = QColor::fromRgb(background).lightness() > 127;
    painter.setPen(light ? QColor(255, 0, 0) : QColor(255, 255, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Panel::Impl::focusInEvent(QFocusEvent* event) {
    focusMark = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (focusMark) update();
    QWidget::focusInEvent(event);
}

void Panel::Impl::focusOutEvent(QFocusEvent* event) {
    if (std::exchange(focusMark, false)) update();
    QWidget::focusOutEvent(event);
}

void Panel::Impl::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (role == PanelRole::Key && plain && event->key() == Qt::Key_Down && face.OnClick) {
        RunAsKey(face.OnClick);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form::SetFocusHome(Panel* display) {
    Impl& w = *impl_;
    w.focusHome = display;
    if (!display) {
        w.setFocusProxy(nullptr);
        return;
    }
    QWidget* home = Widget(*display);
    home->setFocusPolicy(Qt::TabFocus);
    w.AdoptKeys(home);
    w.setFocusProxy(home);

    std::vector<QWidget*> stops{home};
    for (Panel::Impl* key : KeysOf(w)) stops.push_back(key);
    std::stable_sort(stops.begin(), stops.end(), [&w](QWidget* a, QWidget* b) {
        const QPoint pa = a->mapTo(&w, QPoint(0, 0)), pb = b->mapTo(&w, QPoint(0, 0));
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    for (std::size_t i = 1; i < stops.size(); ++i) QWidget::setTabOrder(stops[i - 1], stops[i]);

    TabStops* keeper = nullptr;
    for (QObject* child : w.children())
        if (auto* found = dynamic_cast<TabStops*>(child)) keeper = found;
    if (!keeper) {
        keeper = new TabStops(w);
        w.installEventFilter(keeper);
    }
    for (QWidget* stop : stops) stop->installEventFilter(keeper);
    keeper->Update();
}

void Form::Announce(Panel& display, std::string_view words) {
    Impl& w = *impl_;
    Panel::Impl& target = display.Native();
    const bool used = std::exchange(w.keyUsed, false);
    // Nothing to tell, and no text to make, while no assistive technology listens; the
    // display's text is then its caption.
    if (!QAccessible::isActive() || !w.isVisible()) {
        target.spoken.clear();
        w.announced.clear();
        return;
    }
    // Told again when the value or the operator changed, or a key showed them again.
    const QString text = ToQString(words).trimmed();
    if (text == w.announced && !used) return;
    w.announced = text;
    // The display's text is the value it shows; the operator is in the words announced.
    // The old text out and the new one in, so that the whole of it is read out also when
    // it did not change, and readers keep their copy of the text in step. Orca 43 speaks
    // the insertion because it is the selected text; it would report the removal of
    // exactly the text it last saw selected as a deleted selection, so a longer old text
    // leaves in two parts. Whatever it says for a removal (after Delete or BackSpace), the
    // insertion's reading comes last and cuts it short.
    const QString before = std::exchange(target.spoken, target.caption);
    const auto remove = [&target](int at, const QString& part) {
        QAccessibleTextRemoveEvent removed(&target, at, part);
        QAccessible::updateAccessibility(&removed);
    };
    if (before.size() > 1) {
        remove(1, before.mid(1));
        remove(0, before.left(1));
    } else if (!before.isEmpty()) {
        remove(0, before);
    }
    QAccessibleTextInsertEvent inserted(&target, 0, target.caption);
    QAccessible::updateAccessibility(&inserted);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(&target, text);
    QAccessible::updateAccessibility(&announcement);
#endif
}

}  // namespace abacone
