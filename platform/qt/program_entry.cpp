#include "platform/program_entry.h"

#include <QApplication>
#include <QMessageBox>
#include <QPixmapCache>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>

#include "platform/application.h"
#include "platform/qt/platform_choice.h"
#include "platform/qt/qt_services.h"

namespace abacone {

void ShowEntryError(std::string_view text) {
    const QString message = QString::fromUtf8(text.data(), qsizetype(text.size()));
    // Also on the terminal: a box can be missed, or no display may be left to show it.
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(ApplicationTitle()), message, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    DescribeMessageBox(box);
    box.exec();
}

int RunProgram(int& argc, char** argv, const std::function<void()>& steps, const EntryErrorBox& report) {
    // Outside the guarded part, so the box still has an application once the windows
    // the steps made are gone.
    std::optional<QApplication> app;
    std::string problem;
    try {
        if (!QCoreApplication::instance()) {
            UsePreferredPlatform();
            app.emplace(argc, argv);
        }
        // The style caches the images of its buttons per palette, and each opening of a
        // window gets new palettes: with the default 10 MB the cache grows for hours of
        // use. The few windows here need far less than 1 MB of it at any time.
        QPixmapCache::setCacheLimit(1024);
        steps();
        return 0;
    } catch (const std::exception& e) {
        problem = e.what();
    } catch (...) {
        problem = "unknown error";
    }
    if (problem.empty()) problem = "unknown error";
    report(problem);
    return 0;
}

}  // namespace abacone
