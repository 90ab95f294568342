#include "platform/application.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QToolTip>
#include <memory>

#include "platform/qt/modal_input.h"
#include "platform/qt/platform_choice.h"
#include "platform/qt/qt_window.h"

namespace abacone {
namespace {

Form* mainForm = nullptr;

// Hears the application's activation and every top-level widget being shown.
class EventRelay final : public QObject {
public:
    explicit EventRelay(ApplicationEvents events) : events_(std::move(events)) {
        qApp->installEventFilter(this);
        connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
            const auto& handler = s == Qt::ApplicationActive ? events_.Activated : events_.Deactivated;
            if (handler) handler();
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || !watched->isWidgetType() || !events_.WindowShowing) return false;
        auto* w = static_cast<QWidget*>(watched);
        const Qt::WindowType type = w->windowType();
        // The X11 notification-area icon is a private top-level widget of Qt's.
        if ((type == Qt::Window || type == Qt::Dialog) && !w->inherits("QSystemTrayIconSys"))
            events_.WindowShowing(ToTop(w));
        return false;
    }

private:
    ApplicationEvents events_;
};

std::unique_ptr<EventRelay> relay;

}  // namespace

void SetApplicationEvents(ApplicationEvents events) {
    relay.reset();
    if (events.Activated || events.Deactivated || events.WindowShowing)
        relay = std::make_unique<EventRelay>(std::move(events));
}

bool ApplicationActive() { return QGuiApplication::applicationState() == Qt::ApplicationActive; }

bool ModalWindowOver(const Form& main) {
    QWidget* modal = ActiveModalWindow();
    return modal && modal != Widget(main);
}

QIcon IconFromXpm(std::span<const Xpm> sizes) {
    QIcon icon;
    for (Xpm xpm : sizes) icon.addPixmap(QPixmap(xpm));
    return icon;
}

void SetApplicationIcon(std::span<const Xpm> sizes) { QApplication::setWindowIcon(IconFromXpm(sizes)); }

void SetDesktopEntryName(std::string_view name) { QGuiApplication::setDesktopFileName(ToQString(name)); }

void RunMessageLoop() { QApplication::exec(); }

std::string WindowSystemLimits() { return SessionLimitsNotice(QGuiApplication::platformName().toStdString()); }

Box DesktopBox() {
    QRect all;
    for (const QScreen* screen : QGuiApplication::screens()) all |= screen->geometry();
    return {all.left(), all.top(), all.width(), all.height()};
}

Point CursorPos() { return FromQPoint(QCursor::pos()); }

// The application name, not the display name: on X11 Qt appends a display name to every
// window title ("About me — Abacone"), and each window here sets its own caption.
void SetApplicationTitle(std::string_view title) {
    QCoreApplication::setApplicationName(QString::fromUtf8(title.data(), qsizetype(title.size())));
}

std::string ApplicationTitle() { return QCoreApplication::applicationName().toStdString(); }

void SetMainForm(Form* form) { mainForm = form; }
Form* MainForm() { return mainForm; }

void SetHintColor(Rgb background) {
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, QColor::fromRgb(background));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(palette);
}

Rgb ButtonFaceColor() { return QApplication::palette().color(QPalette::Button).rgb(); }

void ProcessMessages() { QCoreApplication::processEvents(); }

void MinimiseApplication() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible()) window->showMinimized();
}

int ScreenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

int ScreenHeight() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 0;
}

Box WorkArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QRect r = screen->availableGeometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

int ParamCount() { return int(QCoreApplication::arguments().size()) - 1; }

std::string ParamStr(int index) {
    const QStringList args = QCoreApplication::arguments();
    if (index < 0 || index >= args.size()) return {};
    return args[index].toStdString();
}

}  // namespace abacone
