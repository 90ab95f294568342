#include "shell/icons/icons.h"

#include <QPixmap>

#include "shell/icons/icon_art.h"

namespace abacone {

QIcon ApplicationIcon() {
    QIcon icon;
    icon.addPixmap(QPixmap(Application32));
    icon.addPixmap(QPixmap(Application16));
    return icon;
}

QIcon TrayIcon() { return QIcon(QPixmap(Tray16)); }

}  // namespace abacone
