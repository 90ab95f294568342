#include "platform/application.h"

#include <QApplication>
#include <QPalette>
#include <QScreen>
#include <QToolTip>

#include "platform/qt/qt_window.h"

namespace abacone {
namespace {

Form* mainForm = nullptr;

}  // namespace

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

int ParamCount() { return int(QCoreApplication::arguments().size()) - 1; }

std::string ParamStr(int index) {
    const QStringList args = QCoreApplication::arguments();
    if (index < 0 || index >= args.size()) return {};
    return args[index].toStdString();
}

}  // namespace abacone
