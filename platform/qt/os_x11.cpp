#include "platform/qt/os_x11.h"

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QGuiApplication>
#include <QMetaObject>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/qt/qt_window.h"

namespace abacone {
namespace {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

enum Atom {
    NetActiveWindow,
    NetFrameExtents,
    NetWmState,
    NetWmStateHidden,
    NetWmStateSkipTaskbar,
    NetRestackWindow,
    WmState,
    Manager,
    TraySelection,
    AtomCount
};

// clang-format off
constexpr std::array<const char*, AtomCount - 1> AtomNames = {
    "_NET_ACTIVE_WINDOW", "_NET_FRAME_EXTENTS", "_NET_WM_STATE", "_NET_WM_STATE_HIDDEN",
    "_NET_WM_STATE_SKIP_TASKBAR", "_NET_RESTACK_WINDOW", "WM_STATE", "MANAGER",
};
// clang-format on

// EWMH message values.
constexpr std::uint32_t StateRemove = 0, StateAdd = 1;
constexpr std::uint32_t SourcePager = 2, SourceApplication = 1;
constexpr std::uint32_t StackAbove = 0;
constexpr std::uint32_t IconicState = 3;

class X11Services final : public FallbackOs, private QAbstractNativeEventFilter {
public:
    explicit X11Services(xcb_connection_t* c) : c_(c) {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c_)).data;
        root_ = screen->root;
        InternAtoms();
    }
    ~X11Services() override {
        if (filtering_ && QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(this);
    }

    NativeWindow ForegroundWindow() override {
        const auto v = Property32(root_, atoms_[NetActiveWindow], XCB_ATOM_WINDOW);
        return v.empty() ? 0 : v[0];
    }

    std::optional<Box> FrameRect(NativeWindow window) override {
        const auto w = static_cast<xcb_window_t>(window);
        if (w == XCB_NONE) return std::nullopt;
        auto geometryCookie = xcb_get_geometry(c_, w);
        auto originCookie = xcb_translate_coordinates(c_, w, root_, 0, 0);
        Reply<xcb_get_geometry_reply_t> geometry(xcb_get_geometry_reply(c_, geometryCookie, nullptr));
        Reply<xcb_translate_coordinates_reply_t> origin(xcb_translate_coordinates_reply(c_, originCookie, nullptr));
        if (!geometry || !origin) return std::nullopt;
        // Left, right, top, bottom; absent for windows the manager does not frame.
        auto extents = Property32(w, atoms_[NetFrameExtents], XCB_ATOM_CARDINAL);
        extents.resize(4, 0);
        const int x = origin->dst_x, y = origin->dst_y;
        return Box::FromEdges(x - static_cast<int>(extents[0]), y - static_cast<int>(extents[2]),
                              x + geometry->width + static_cast<int>(extents[1]),
                              y + geometry->height + static_cast<int>(extents[3]));
    }

    bool IsIconic(NativeWindow window) override {
        const auto w = static_cast<xcb_window_t>(window);
        if (w == XCB_NONE) return false;
        const auto wmState = Property32(w, atoms_[WmState], atoms_[WmState]);
        if (!wmState.empty() && wmState[0] == IconicState) return true;
        const auto states = Property32(w, atoms_[NetWmState], XCB_ATOM_ATOM);
        return std::find(states.begin(), states.end(), atoms_[NetWmStateHidden]) != states.end();
    }

    void RaiseAbove(TopWindow* top, NativeWindow other) override {
        QWidget* const window = FromTop(top);
        // Asked as a pager would: window managers honour that without handing over
        // the activation. The calculator sits in the stay-on-top layer, so "top of
        // its layer" is above `other`.
        (void)other;
        SendToRoot(Own(window), atoms_[NetRestackWindow], {SourcePager, XCB_NONE, StackAbove, 0, 0});
        xcb_flush(c_);
    }

    void SetSkipTaskbar(TopWindow* top, bool skip) override {
        QWidget* const window = FromTop(top);
        const xcb_window_t w = Own(window);
        QWindow* handle = window->windowHandle();
        // A minimised window is still the window manager's; only a withdrawn one
        // (never shown, or hidden) is told through the property itself.
        const bool managed = handle && (handle->isVisible() || (window->isMinimized() && !window->isHidden()));
        if (managed) {
            SendToRoot(w, atoms_[NetWmState],
                       {skip ? StateAdd : StateRemove, atoms_[NetWmStateSkipTaskbar], 0, SourceApplication, 0});
        } else {
            // A withdrawn window states its wishes in the property itself; Qt keeps
            // atoms it finds there when it maps the window.
            auto states = Property32(w, atoms_[NetWmState], XCB_ATOM_ATOM);
            std::erase(states, atoms_[NetWmStateSkipTaskbar]);
            if (skip) states.push_back(atoms_[NetWmStateSkipTaskbar]);
            xcb_change_property(c_, XCB_PROP_MODE_REPLACE, w, atoms_[NetWmState], XCB_ATOM_ATOM, 32,
                                static_cast<std::uint32_t>(states.size()), states.data());
        }
        xcb_flush(c_);
    }

    void WatchTrayHost(std::function<void()> changed) override {
        changed_ = std::move(changed);
        if (!changed_ || filtering_) return;
        filtering_ = true;
        // The manager announces itself with a MANAGER message to the root window, which
        // reaches clients that listen for structure changes there.
        SelectStructureNotify(root_);
        WatchOwner();
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

private:
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t" || !changed_) return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        switch (event->response_type & 0x7F) {
        case XCB_CLIENT_MESSAGE: {
            const auto* m = reinterpret_cast<const xcb_client_message_event_t*>(event);
            if (m->type == atoms_[Manager] && m->format == 32 && m->data.data32[1] == atoms_[TraySelection]) Changed();
            break;
        }
        case XCB_DESTROY_NOTIFY: {
            const auto* d = reinterpret_cast<const xcb_destroy_notify_event_t*>(event);
            if (owner_ != XCB_NONE && d->window == owner_) Changed();
            break;
        }
        default: break;
        }
        return false;  // Qt's own tray code needs the same events
    }

    void Changed() {
        WatchOwner();
        // After Qt has seen the event too, so that its own view of the tray is current.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [this] {
                if (changed_) changed_();
            },
            Qt::QueuedConnection);
    }

    void WatchOwner() {
        Reply<xcb_get_selection_owner_reply_t> reply(
            xcb_get_selection_owner_reply(c_, xcb_get_selection_owner(c_, atoms_[TraySelection]), nullptr));
        owner_ = reply ? reply->owner : XCB_NONE;
        if (owner_ != XCB_NONE) SelectStructureNotify(owner_);
        xcb_flush(c_);
    }

    // Adds to this client's event mask on `w` without dropping what Qt asked for.
    void SelectStructureNotify(xcb_window_t w) {
        Reply<xcb_get_window_attributes_reply_t> attributes(
            xcb_get_window_attributes_reply(c_, xcb_get_window_attributes(c_, w), nullptr));
        if (!attributes) return;
        const std::uint32_t mask = attributes->your_event_mask | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(c_, w, XCB_CW_EVENT_MASK, &mask);
    }

    void InternAtoms() {
        std::array<xcb_intern_atom_cookie_t, AtomCount> cookies{};
        const std::string tray = "_NET_SYSTEM_TRAY_S0";
        for (int i = 0; i < AtomCount; ++i) {
            const char* name = i == TraySelection ? tray.c_str() : AtomNames[i];
            cookies[i] = xcb_intern_atom(c_, 0, static_cast<std::uint16_t>(std::char_traits<char>::length(name)), name);
        }
        for (int i = 0; i < AtomCount; ++i) {
            Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(c_, cookies[i], nullptr));
            atoms_[i] = reply ? reply->atom : XCB_NONE;
        }
    }

    std::vector<std::uint32_t> Property32(xcb_window_t w, xcb_atom_t property, xcb_atom_t type) {
        Reply<xcb_get_property_reply_t> reply(
            xcb_get_property_reply(c_, xcb_get_property(c_, 0, w, property, type, 0, 1024), nullptr));
        if (!reply || reply->format != 32 || reply->type != type) return {};
        const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
        return {data, data + xcb_get_property_value_length(reply.get()) / 4};
    }

    void SendToRoot(xcb_window_t w, xcb_atom_t type, std::array<std::uint32_t, 5> data) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = w;
        event.type = type;
        std::copy(data.begin(), data.end(), event.data.data32);
        xcb_send_event(c_, 0, root_, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&event));
    }

    // The window's current native window: Qt may replace it (setWindowFlags on a shown
    // window does) while QWidget::winId() still names the first one.
    static xcb_window_t Own(QWidget* window) {
        window->winId();  // creates it when there is none yet
        QWindow* handle = window->windowHandle();
        return static_cast<xcb_window_t>(handle ? handle->winId() : window->winId());
    }

    xcb_connection_t* c_;
    xcb_window_t root_ = XCB_NONE;
    std::array<xcb_atom_t, AtomCount> atoms_{};
    std::function<void()> changed_;
    xcb_window_t owner_ = XCB_NONE;
    bool filtering_ = false;
};

}  // namespace

OsServices* X11Os() {
    // Lives as long as the application whose connection it uses.
    static X11Services* services = nullptr;
    if (services) return services;
    auto* app = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = app ? app->connection() : nullptr;
    if (!c) return nullptr;
    services = new X11Services(c);
    QObject::connect(qGuiApp, &QObject::destroyed, [] {
        delete services;
        services = nullptr;
    });
    return services;
}

}  // namespace abacone
