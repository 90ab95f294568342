#include "shell/tasktray/tasktray.h"

#include <algorithm>
#include <exception>

#include "platform/application.h"
#include "platform/os/os_services.h"
#include "platform/services/services.h"

namespace abacone {
namespace {

constexpr std::uint32_t IconID = 1;
constexpr std::uint32_t MessageIconTip = 7;
constexpr std::uint32_t TrayCallback = 0x401;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// An event handler's failure is reported and the notification area goes on working.
template <typename F>
void Guarded(F&& f) {
    try {
        f();
    } catch (const std::exception& e) {
        Messages().Show(ApplicationTitle(), e.what(), MessageIcon::Exclamation);
    } catch (...) {
        Messages().Show(ApplicationTitle(), "Unknown error", MessageIcon::Exclamation);
    }
}

TTaskTray::TMouseButton ButtonOf(unsigned notification) {
    switch (notification) {
    case TTaskTray::RightDown:
    case TTaskTray::RightUp: return TTaskTray::TMouseButton::Right;
    case TTaskTray::MiddleDown:
    case TTaskTray::MiddleUp: return TTaskTray::TMouseButton::Middle;
    default: return TTaskTray::TMouseButton::Left;
    }
}

}  // namespace

std::string_view CutAtCharacter(std::string_view text, std::size_t limit) {
    if (text.size() <= limit) return text;
    std::size_t n = limit;
    while (n > 0 && IsContinuationByte(text[n])) --n;
    return text.substr(0, n);
}

TTaskTray::TTaskTray() : NotifyWindow(std::make_unique<NotifyIcon>()) {
    NotifyWindow->OnMessage = [this](unsigned message) { TrayWndProc(message); };
}

TTaskTray::~TTaskTray() {
    DeleteIcon();
    if (watching_) Os().WatchTrayHost({});
}

void TTaskTray::SetIcon(Xpm icon) {
    icon_ = icon;
    if (!registered_) return;
    FillIcon();
    ShellNotify(TrayAction::Modify);
}

void TTaskTray::SetTips(std::string_view text) {
    if (text == tips_) return;
    tips_ = std::string(text);
    if (!registered_) return;
    FillTip();
    ShellNotify(TrayAction::Modify);
}

void TTaskTray::Loaded() {
    loaded_ = true;
    AddIcon();
    if (!watching_) {
        watching_ = true;
        Os().WatchTrayHost([this] { TrayHostChanged(); });
    }
}

void TTaskTray::AddIcon() {
    if (registered_) return;
    iconData_.ID = IconID;
    iconData_.Flags = MessageIconTip;
    iconData_.CallbackMessage = TrayCallback;
    FillTip();
    FillIcon();
    registered_ = ShellNotify(TrayAction::Add);
}

void TTaskTray::DeleteIcon() { ShellNotify(TrayAction::Delete); }

void TTaskTray::TrayWndProc(unsigned notification) {
    const Point at = CursorPos();
    switch (notification) {
    case MouseMove: DoMouseMove(at.X, at.Y); break;
    case LeftDown:
    case RightDown:
    case MiddleDown: DoMouseDown(notification, at.X, at.Y); break;
    case LeftUp:
    case RightUp:
    case MiddleUp: DoMouseUp(notification, at.X, at.Y); break;
    case LeftDblClk:
    case RightDblClk:
    case MiddleDblClk: DoDblClick(); break;
    default: break;
    }
}

void TTaskTray::DoDblClick() {
    if (OnMouseDblClick) Guarded([&] { OnMouseDblClick(this); });
}

void TTaskTray::DoMouseMove(int x, int y) {
    if (OnMouseMove) Guarded([&] { OnMouseMove(this, 0, x, y); });
}

void TTaskTray::DoMouseDown(unsigned notification, int x, int y) {
    if (OnMouseDown) Guarded([&] { OnMouseDown(this, ButtonOf(notification), 0, x, y); });
}

void TTaskTray::DoMouseUp(unsigned notification, int x, int y) {
    if (OnMouseUp) Guarded([&] { OnMouseUp(this, ButtonOf(notification), 0, x, y); });
}

bool TTaskTray::ShellNotify(TrayAction action) {
    switch (action) {
    case TrayAction::Add:
        NotifyWindow->SetPicture(iconData_.ApplicationIcon ? nullptr : icon_);
        NotifyWindow->SetTip(iconData_.Tip);
        return NotifyWindow->Show();
    case TrayAction::Modify:
        NotifyWindow->SetPicture(iconData_.ApplicationIcon ? nullptr : icon_);
        NotifyWindow->SetTip(iconData_.Tip);
        return true;
    case TrayAction::Delete: NotifyWindow->Hide(); return true;
    }
    return false;
}

void TTaskTray::FillTip() {
    const std::string_view tip = CutAtCharacter(tips_, sizeof iconData_.Tip - 1);
    std::fill(std::begin(iconData_.Tip), std::end(iconData_.Tip), '\0');
    std::copy(tip.begin(), tip.end(), iconData_.Tip);
}

void TTaskTray::FillIcon() { iconData_.ApplicationIcon = icon_ == nullptr; }

void TTaskTray::TrayHostChanged() {
    // The icon may dock again by itself when a notification area appears or restarts;
    // the add below shows it if it was not shown and tells whether an area is there now.
    registered_ = false;
    if (loaded_) AddIcon();
    if (OnAvailabilityChanged) Guarded([&] { OnAvailabilityChanged(this); });
}

}  // namespace abacone
