// TTaskTray: one icon with a tooltip in the notification area, its mouse notifications
// turned into events. The owner assigns Icon, Tips and the events, then calls Loaded();
// from then on changes of Icon and Tips are sent at once. When a notification area
// appears later or restarts, the icon is added again.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/notify_icon.h"
#include "platform/window_types.h"

namespace abacone {

class TTaskTray {
public:
    enum class TMouseButton { Left, Right, Middle };
    using TShiftState = unsigned;  // always empty: the notification carries no modifiers
    using TNotifyEvent = std::function<void(TTaskTray* sender)>;
    using TMouseMoveEvent = std::function<void(TTaskTray* sender, TShiftState, int x, int y)>;
    using TMouseEvent = std::function<void(TTaskTray* sender, TMouseButton, TShiftState, int x, int y)>;

    // What every call to the notification area carries.
    struct TIconData {
        std::uint32_t ID = 0;
        std::uint32_t Flags = 0;            // message, icon and tip: 7 once added
        std::uint32_t CallbackMessage = 0;  // 0x401 once added
        bool ApplicationIcon = false;       // no Icon: the application's icon is shown
        char Tip[64] = {};                  // Tips cut to 63 bytes, zero-filled
    };

    // Notifications as the notification area reports them, by mouse message number.
    enum Notification : unsigned {
        MouseMove = tray::MouseMove,
        LeftDown = tray::LeftDown,
        LeftUp = tray::LeftUp,
        LeftDblClk = tray::LeftDblClk,
        RightDown = tray::RightDown,
        RightUp = tray::RightUp,
        RightDblClk = tray::RightDblClk,
        MiddleDown = tray::MiddleDown,
        MiddleUp = tray::MiddleUp,
        MiddleDblClk = tray::MiddleDblClk,
    };

    enum class TrayAction { Add, Modify, Delete };

    TTaskTray();
    virtual ~TTaskTray();
    TTaskTray(const TTaskTray&) = delete;
    TTaskTray& operator=(const TTaskTray&) = delete;

    bool Registered() const { return registered_; }
    const TIconData& IconData() const { return iconData_; }
    Xpm Icon() const { return icon_; }
    void SetIcon(Xpm icon);  // null: the application's icon
    const std::string& Tips() const { return tips_; }
    void SetTips(std::string_view text);

    TNotifyEvent OnMouseDblClick;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    // Not one of the component's events: runs after the notification area appeared or
    // went away, once Registered says which, so the owner can keep itself reachable.
    TNotifyEvent OnAvailabilityChanged;

    // The owner has assigned the layout values: the icon goes to the notification area.
    void Loaded();
    void AddIcon();
    void DeleteIcon();
    // One notification from the notification area; the cursor position is read now.
    void TrayWndProc(unsigned notification);

protected:
    virtual void DoDblClick();
    virtual void DoMouseMove(int x, int y);
    virtual void DoMouseDown(unsigned notification, int x, int y);
    virtual void DoMouseUp(unsigned notification, int x, int y);
    // The one call into the notification area; true when it took the request.
    virtual bool ShellNotify(TrayAction action);

private:
    void FillTip();
    void FillIcon();
    void TrayHostChanged();

    bool registered_ = false;
    TIconData iconData_;
    Xpm icon_ = nullptr;
    std::string tips_;
    std::unique_ptr<NotifyIcon> NotifyWindow;
    bool loaded_ = false;
    bool watching_ = false;
};

// The longest prefix of `text` of at most `limit` bytes that does not split a UTF-8
// character.
std::string_view CutAtCharacter(std::string_view text, std::size_t limit);

}  // namespace abacone
