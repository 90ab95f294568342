// The program's own images: the application icon in the sizes it is drawn in (32 x 32 and
// 16 x 16) and the smaller, different picture in the notification area.
#pragma once

#include <span>

#include "platform/window_types.h"

namespace abacone {

std::span<const Xpm> ApplicationIcon();
Xpm TrayIcon();

}  // namespace abacone
