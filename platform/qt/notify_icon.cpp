#include "platform/notify_icon.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSystemTrayIcon>

#include "platform/qt/qt_window.h"

namespace abacone {

namespace {

// The first message of a mouse button; its up and double-click messages follow it.
unsigned ButtonBase(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return tray::LeftDown;
    case Qt::RightButton: return tray::RightDown;
    case Qt::MiddleButton: return tray::MiddleDown;
    default: return 0;
    }
}

}  // namespace

// Where Qt shows the icon as a widget of its own (X11), that widget's mouse events are read:
// they carry every press and release. Elsewhere Qt's activation reasons stand in for them.
struct NotifyIcon::Impl final : QObject {
    explicit Impl(NotifyIcon& face) : face(face), icon(new QSystemTrayIcon(this)) {
        connect(icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (sawIconWidget) return;
            switch (reason) {
            case QSystemTrayIcon::Trigger: Tell({tray::LeftDown, tray::LeftUp}); break;
            case QSystemTrayIcon::Context: Tell({tray::RightDown, tray::RightUp}); break;
            case QSystemTrayIcon::MiddleClick: Tell({tray::MiddleDown, tray::MiddleUp}); break;
            case QSystemTrayIcon::DoubleClick: Tell({tray::LeftDblClk}); break;
            default: break;
            }
        });
        if (qApp) qApp->installEventFilter(this);
    }

    void Tell(std::initializer_list<unsigned> messages) {
        for (unsigned m : messages)
            if (face.OnMessage) face.OnMessage(m);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
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
        sawIconWidget = true;
        if (offset == 3) {
            Tell({tray::MouseMove});
        } else if (const unsigned base = ButtonBase(static_cast<QMouseEvent*>(event)->button())) {
            Tell({base + offset * (tray::LeftUp - tray::LeftDown)});
        }
        return false;
    }

    NotifyIcon& face;
    QSystemTrayIcon* icon;
    Xpm picture = nullptr;
    bool sawIconWidget = false;
};

NotifyIcon::NotifyIcon() : impl_(std::make_unique<Impl>(*this)) {}
NotifyIcon::~NotifyIcon() = default;

void NotifyIcon::SetPicture(Xpm picture) {
    impl_->picture = picture;
    impl_->icon->setIcon(picture ? IconFromXpm({&picture, 1}) : QApplication::windowIcon());
}

void NotifyIcon::SetTip(std::string_view tip) { impl_->icon->setToolTip(ToQString(tip)); }

bool NotifyIcon::Show() {
    if (impl_->icon->icon().isNull()) SetPicture(impl_->picture);
    // Shown even without a notification area: Qt docks it when one appears.
    impl_->icon->show();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void NotifyIcon::Hide() { impl_->icon->hide(); }

}  // namespace abacone
