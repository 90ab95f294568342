// Which window system the calculator asks Qt for. Placement, stay-on-top, dragging and the
// attach mode need a window system that lets a program place and raise its own windows:
// X11 does, including XWayland under a Wayland desktop; a native Wayland session does not.
#pragma once

#include <string>

namespace abacone {

// The platform to ask for, or empty to leave Qt's own choice: X11 whenever an X display is
// set and the user named no platform himself. Null arguments count as unset.
std::string PreferredPlatform(const char* requested, const char* xDisplay);
// Applies PreferredPlatform to this process's environment; RunProgram calls it before it
// creates the application.
void UsePreferredPlatform();

// The one line told on standard error when the running platform cannot give the window's
// features; empty where it can (X11, Windows, the offscreen test platform).
std::string SessionLimitsNotice(const std::string& platformName);

}  // namespace abacone
