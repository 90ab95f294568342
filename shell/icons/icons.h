// The program's own images: the application icon (32 x 32 and 16 x 16) and the smaller,
// different picture in the notification area. Needs a running QGuiApplication.
#pragma once

#include <QIcon>

namespace abacone {

QIcon ApplicationIcon();
QIcon TrayIcon();

}  // namespace abacone
