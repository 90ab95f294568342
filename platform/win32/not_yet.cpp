// What the calculator does not do on Windows yet: the notification-area icon and the
// channel a second start knocks on (both report that they are not there, so the shell
// takes the paths it takes without a notification area or a running calculator).
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

}  // namespace abacone
