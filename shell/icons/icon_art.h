// The program's images as XPM rows: the application icon drawn at 32 x 32 and at
// 16 x 16, and the different picture in the notification area. Plain data, so the
// window code and the build's icon-theme tool read the very same pixels.
#pragma once

namespace abacone {

extern const char* const Application32[];
extern const char* const Application16[];
extern const char* const Tray16[];

}  // namespace abacone
