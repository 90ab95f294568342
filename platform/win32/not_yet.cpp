// What the calculator does not do on Windows yet: the notification-area icon and the
// channel a second start knocks on (both report that they are not there, so the shell
// takes the paths it takes without a notification area or a running calculator), and the
// keys' and displays' names for screen readers (kept, not yet told to the system).
#include "platform/instance_channel.h"
#include "platform/notify_icon.h"
#include "platform/win32/win32_window.h"

namespace abacone {

struct NotifyIcon::Impl {};

NotifyIcon::NotifyIcon() : impl_(std::make_unique<Impl>()) {}
NotifyIcon::~NotifyIcon() = default;
void NotifyIcon::SetPicture(Xpm) {}
void NotifyIcon::SetTip(std::string_view) {}
bool NotifyIcon::Show() { return false; }
void NotifyIcon::Hide() {}

namespace {

class NoChannel final : public InstanceChannel {
public:
    bool Listen(const std::string&, Answer) override { return false; }
};

}  // namespace

std::unique_ptr<InstanceChannel> MakeInstanceChannel() { return std::make_unique<NoChannel>(); }

std::string KnockOn(const std::string&, const std::string&, int) { return {}; }

void Panel::SetRole(PanelRole role) { impl_.role = role; }
PanelRole Panel::Role() const { return impl_.role; }
void Panel::SetAccessibleName(std::string_view) {}
void Panel::SetAccessibleDescription(std::string_view) {}
void Edit::SetAccessibleName(std::string_view) {}
void Form::SetFocusHome(Panel*) {}
void Form::Announce(Panel&, std::string_view) {}

}  // namespace abacone
