// The X11 services, over the connection that Qt's xcb platform opened.
#pragma once

#include "platform/os/os_services.h"

namespace abacone {

// Null unless the application runs on the xcb platform.
OsServices* X11Os();

}  // namespace abacone
