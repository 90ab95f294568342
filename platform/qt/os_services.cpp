#include "platform/os/os_services.h"

#include <QGuiApplication>

#ifdef _WIN32
#include "platform/qt/os_win32.h"
#else
#include "platform/qt/os_x11.h"
#endif

namespace abacone {
namespace {

OsServices* installed = nullptr;

OsServices& SystemOs() {
    static FallbackOs fallback;
#ifdef _WIN32
    return Win32Os();
#else
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (OsServices* x11 = X11Os()) return *x11;
    }
    return fallback;
#endif
}

}  // namespace

OsServices& Os() { return installed ? *installed : SystemOs(); }
void SetOs(OsServices* services) { installed = services; }

}  // namespace abacone
