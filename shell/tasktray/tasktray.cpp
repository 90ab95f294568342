#include "shell/tasktray/tasktray.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QSystemTrayIcon>
#include <algorithm>
#include <exception>

#include "platform/os/os_services.h"
#include "platform/services/services.h"

namespace abacone {
namespace {

constexpr std::uint32_t IconID = 1;
constexpr std::uint32_t MessageIconTip = 7;
constexpr std::uint32_t TrayCallback = 0x401;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// An event handler's failure is reported and the notification area goes on working.
template <typename F>
void Guarded(F&& f) {
    try {
        f();
    } catch (const std::exception& e) {
        Messages().Show(QApplication::applicationName().toStdString(), e.what(),
                        MessageIcon::Exclamation);
    } catch (...) {
        Messages().Show(QApplication::applicationName().toStdString(), "Unknown error",
                        MessageIcon::Exclamation);
    }
}

TTaskTray::TMouseButton ButtonOf(unsigned notification) {
    switch (notification) {
    case TTaskTray::RightDown: case TTaskTray::RightUp: return TTaskTray::TMouseButton::Right;
    case TTaskTray::MiddleDown: case TTaskTray::MiddleUp: return TTaskTray::TMouseButton::Middle;
    default: return TTaskTray::TMouseButton::Left;
    }
}

// Base notification of a mouse button; the down, up and double-click codes follow it.
unsigned ButtonBase(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return TTaskTray::LeftDown;
    case Qt::RightButton: return TTaskTray::RightDown;
    case Qt::MiddleButton: return TTaskTray::MiddleDown;
    default: return 0;
    }
}

}  // namespace

std::string_view CutAtCharacter(std::string_view text, std::size_t limit) {
    if (text.size() <= limit) return text;
    std::size_t n = limit;
    while (n > 0 && IsContinuationByte(text[n])) --n;
    return text.substr(0, n);
}

TTaskTray::TTaskTray(QObject* owner) : QObject(owner), NotifyWindow(new QSystemTrayIcon(this)) {
    connect(NotifyWindow, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                // Where the icon is a widget of ours its own mouse events are read instead.
                if (sawIconWidget_) return;
                switch (reason) {
                case QSystemTrayIcon::Trigger: TrayWndProc(LeftDown); TrayWndProc(LeftUp); break;
                case QSystemTrayIcon::Context: TrayWndProc(RightDown); TrayWndProc(RightUp); break;
                case QSystemTrayIcon::MiddleClick:
                    TrayWndProc(MiddleDown);
                    TrayWndProc(MiddleUp);
                    break;
                case QSystemTrayIcon::DoubleClick: TrayWndProc(LeftDblClk); break;
                default: break;
                }
            });
    if (qApp) qApp->installEventFilter(this);
}

TTaskTray::~TTaskTray() {
    DeleteIcon();
    if (watching_) Os().WatchTrayHost({});
}

void TTaskTray::SetIcon(const QIcon& icon) {
    icon_ = icon;
    if (!registered_) return;
    FillIcon();
    ShellNotify(TrayAction::Modify);
}

void TTaskTray::SetTips(std::string_view text) {
    if (text == tips_) return;
    tips_ = std::string(text);
    if (!registered_) return;
    FillTip();
    ShellNotify(TrayAction::Modify);
}

void TTaskTray::Loaded() {
    loaded_ = true;
    AddIcon();
    if (!watching_) {
        watching_ = true;
        Os().WatchTrayHost([this] { TrayHostChanged(); });
    }
}

void TTaskTray::AddIcon() {
    if (registered_) return;
    iconData_.ID = IconID;
    iconData_.Flags = MessageIconTip;
    iconData_.CallbackMessage = TrayCallback;
    FillTip();
    FillIcon();
    registered_ = ShellNotify(TrayAction::Add);
}

void TTaskTray::DeleteIcon() { ShellNotify(TrayAction::Delete); }

void TTaskTray::TrayWndProc(unsigned notification) {
    const QPoint at = QCursor::pos();
    switch (notification) {
    case MouseMove: DoMouseMove(at.x(), at.y()); break;
    case LeftDown: case RightDown: case MiddleDown: DoMouseDown(notification, at.x(), at.y()); break;
    case LeftUp: case RightUp: case MiddleUp: DoMouseUp(notification, at.x(), at.y()); break;
    case LeftDblClk: case RightDblClk: case MiddleDblClk: DoDblClick(); break;
    default: break;
    }
}

void TTaskTray::DoDblClick() {
    if (OnMouseDblClick) Guarded([&] { OnMouseDblClick(this); });
}

void TTaskTray::DoMouseMove(int x, int y) {
    if (OnMouseMove) Guarded([&] { OnMouseMove(this, 0, x, y); });
}

void TTaskTray::DoMouseDown(unsigned notification, int x, int y) {
    if (OnMouseDown) Guarded([&] { OnMouseDown(this, ButtonOf(notification), 0, x, y); });
}

void TTaskTray::DoMouseUp(unsigned notification, int x, int y) {
    if (OnMouseUp) Guarded([&] { OnMouseUp(this, ButtonOf(notification), 0, x, y); });
}

bool TTaskTray::ShellNotify(TrayAction action) {
    if (!NotifyWindow) return false;
    const QIcon shown = iconData_.ApplicationIcon ? QApplication::windowIcon() : icon_;
    switch (action) {
    case TrayAction::Add:
        NotifyWindow->setIcon(shown);
        NotifyWindow->setToolTip(QString::fromUtf8(iconData_.Tip));
        // Shown even without a notification area: Qt docks it when one appears.
        NotifyWindow->show();
        return QSystemTrayIcon::isSystemTrayAvailable();
    case TrayAction::Modify:
        NotifyWindow->setIcon(shown);
        NotifyWindow->setToolTip(QString::fromUtf8(iconData_.Tip));
        return true;
    case TrayAction::Delete:
        NotifyWindow->hide();
        return true;
    }
    return false;
}

bool TTaskTray::eventFilter(QObject* watched, QEvent* event) {
    unsigned offset = 0;
    switch (event->type()) {
    case QEvent::MouseButtonPress: offset = 0; break;
    case QEvent::MouseButtonRelease: offset = 1; break;
    case QEvent::MouseButtonDblClick: offset = 2; break;
    case QEvent::MouseMove: offset = 3; break;
    default: return false;
    }
    // The X11 notification-area icon is a private widget class of Qt's.
    if (!watched->isWidgetType() || !watched->inherits("QSystemTrayIconSys")) return false;
    sawIconWidget_ = true;
    if (offset == 3) {
        TrayWndProc(MouseMove);
    } else if (const unsigned base = ButtonBase(static_cast<QMouseEvent*>(event)->button())) {
        TrayWndProc(base + offset * (LeftUp - LeftDown));
    }
    return false;
}

void TTaskTray::FillTip() {
    const std::string_view tip = CutAtCharacter(tips_, sizeof iconData_.Tip - 1);
    std::fill(std::begin(iconData_.Tip), std::end(iconData_.Tip), '\0');
    std::copy(tip.begin(), tip.end(), iconData_.Tip);
}

void TTaskTray::FillIcon() { iconData_.ApplicationIcon = icon_.isNull(); }

void TTaskTray::TrayHostChanged() {
    // Qt's icon docks again by itself when a notification area appears or restarts; the
    // add below only shows it if it was not shown and tells whether an area is there now.
    registered_ = false;
    if (loaded_) AddIcon();
    if (OnAvailabilityChanged) Guarded([&] { OnAvailabilityChanged(this); });
}

}  // namespace abacone
