// The icon in the notification area over Shell_NotifyIconW. Its hidden window gets the
// icon's mouse messages, and the taskbar's restart, after which the icon is added again.
#include "platform/notify_icon.h"

#include <algorithm>

#include "platform/os/win32_calls.h"
#include "platform/win32/win32_window.h"

namespace abacone {
namespace {

constexpr UINT IconId = 1;
constexpr UINT CallbackMessage = WM_USER + 1;

}  // namespace

struct NotifyIcon::Impl {
    explicit Impl(NotifyIcon& face)
        : face(face), window([this](UINT message, WPARAM, LPARAM lParam) { return Handle(message, lParam); }) {}
    ~Impl() {
        Remove();
        if (picture) DestroyIcon(picture);
    }

    std::optional<LRESULT> Handle(UINT message, LPARAM lParam) {
        if (message == CallbackMessage) {
            // The shell reports the mouse message itself in the low word.
            const unsigned mouse = LOWORD(lParam);
            if (mouse >= tray::MouseMove && mouse <= tray::MiddleDblClk && face.OnMessage) face.OnMessage(mouse);
            return 0;
        }
        if (message == win32::TaskbarCreatedMessage() && wanted) {
            // A new taskbar knows no icons: the old one went with the old taskbar.
            added = false;
            Add();
            return 0;
        }
        return std::nullopt;
    }

    NOTIFYICONDATAW Data(UINT flags) const {
        NOTIFYICONDATAW data{};
        data.cbSize = sizeof data;
        data.hWnd = window.hwnd;
        data.uID = IconId;
        data.uFlags = flags;
        data.uCallbackMessage = CallbackMessage;
        data.hIcon = picture ? picture : ApplicationSmallIcon();
        if (!data.hIcon) data.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
        const std::size_t n = std::min(tip.size(), std::size(data.szTip) - 1);
        std::copy_n(tip.c_str(), n, data.szTip);
        return data;
    }

    bool Add() {
        if (!window.hwnd) return false;
        NOTIFYICONDATAW data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP);
        // An icon the area still has (a repeated add) is brought up to date instead.
        added = Shell_NotifyIconW(NIM_ADD, &data) || Shell_NotifyIconW(NIM_MODIFY, &data);
        return added;
    }

    void Update(UINT flags) {
        if (!added) return;
        NOTIFYICONDATAW data = Data(flags);
        Shell_NotifyIconW(NIM_MODIFY, &data);
    }

    void Remove() {
        wanted = false;
        if (!added) return;
        NOTIFYICONDATAW data = Data(0);
        Shell_NotifyIconW(NIM_DELETE, &data);
        added = false;
    }

    NotifyIcon& face;
    HICON picture = nullptr;  // made from the artwork; null: the application's icon
    std::wstring tip;
    bool wanted = false;  // shown by the program, so added again with a new taskbar
    bool added = false;   // the notification area has it
    HiddenWindow window;  // last: its messages may use everything above
};

NotifyIcon::NotifyIcon() : impl_(std::make_unique<Impl>(*this)) {}
NotifyIcon::~NotifyIcon() = default;

void NotifyIcon::SetPicture(Xpm picture) {
    if (impl_->picture) DestroyIcon(impl_->picture);
    impl_->picture = picture ? IconFromXpm(picture) : nullptr;
    impl_->Update(NIF_ICON);
}

void NotifyIcon::SetTip(std::string_view tip) {
    impl_->tip = Widen(tip);
    impl_->Update(NIF_TIP);
}

bool NotifyIcon::Show() {
    impl_->wanted = true;
    return impl_->Add();
}

void NotifyIcon::Hide() { impl_->Remove(); }

}  // namespace abacone
