#include "shell/icons/icons.h"

#include "shell/icons/icon_art.h"

namespace abacone {

std::span<const Xpm> ApplicationIcon() {
    static const Xpm sizes[] = {Application32, Application16};
    return sizes;
}

Xpm TrayIcon() { return Tray16; }

}  // namespace abacone
