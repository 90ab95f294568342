#include "platform/qt/platform_choice.h"

#include <cstdio>
#include <cstdlib>

namespace abacone {

std::string PreferredPlatform(const char* requested, const char* xDisplay) {
    if (requested && *requested) return {};
    if (xDisplay && *xDisplay) return "xcb";
    return {};
}

void UsePreferredPlatform() {
#ifndef _WIN32
    const std::string platform = PreferredPlatform(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"));
    if (!platform.empty()) setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
#endif
}

std::string SessionLimitsNotice(const std::string& platformName) {
    if (platformName.rfind("wayland", 0) != 0) return {};
    return "abacone: this Wayland session does not let a program place or raise its own "
           "windows: stay-on-top, the bottom-right place, moving by keys, dragging by the "
           "window, shrinking when another program is active and the attach mode are off "
           "(set DISPLAY to use XWayland)";
}

}  // namespace abacone
