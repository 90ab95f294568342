// One icon in the notification area, as the window layer offers it: a picture, a tip, and
// every mouse notification on it, numbered as the notification area numbers its mouse
// messages (below), whatever system delivers them.
#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "platform/window_types.h"

namespace abacone {

namespace tray {
inline constexpr unsigned MouseMove = 0x200, LeftDown = 0x201, LeftUp = 0x202, LeftDblClk = 0x203, RightDown = 0x204,
                          RightUp = 0x205, RightDblClk = 0x206, MiddleDown = 0x207, MiddleUp = 0x208,
                          MiddleDblClk = 0x209;
}  // namespace tray

class NotifyIcon {
public:
    struct Impl;
    NotifyIcon();
    ~NotifyIcon();
    NotifyIcon(const NotifyIcon&) = delete;
    NotifyIcon& operator=(const NotifyIcon&) = delete;

    // Null: the application's icon.
    void SetPicture(Xpm picture);
    void SetTip(std::string_view tip);
    // Puts the icon up; true when a notification area is there to show it. Where none is,
    // it appears once one starts.
    bool Show();
    void Hide();

    std::function<void(unsigned message)> OnMessage;

private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace abacone
