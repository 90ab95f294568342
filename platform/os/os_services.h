// What the shell asks of the operating system directly, beyond the window toolkit: the
// foreground window and its frame, raising a window without taking the activation, no
// taskbar button, idle priority, the window manager's move, and notice when a
// notification area appears or goes. One implementation per system (X11, Win32) and a
// do-nothing fallback (Wayland, offscreen) that leaves windows where they are. Tests
// install their own with SetOs. The implementations for the Qt window layer live with it
// (platform/qt/), since they ride on its connection to the window system.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "platform/window_types.h"

namespace abacone {

// An X11 window id or a Win32 window handle; 0 is none.
using NativeWindow = std::uintptr_t;

class OsServices {
public:
    virtual ~OsServices() = default;
    // The window that has the system's activation, whoever owns it; 0 when none.
    virtual NativeWindow ForegroundWindow() = 0;
    // Outer rectangle with the window manager's frame; none when it cannot be read.
    virtual std::optional<Box> FrameRect(NativeWindow window) = 0;
    virtual bool IsIconic(NativeWindow window) = 0;
    // Shown, on top and active: the start-up pull to the front.
    virtual void BringToFront(TopWindow* window) = 0;
    // On top of `other` (the foreground window) while `other` keeps the activation.
    virtual void RaiseAbove(TopWindow* window, NativeWindow other) = 0;
    // No taskbar button while `skip`. Applies to hidden windows too, when next shown.
    virtual void SetSkipTaskbar(TopWindow* window, bool skip) = 0;
    // Idle process and thread priority: the calculator runs when nothing else wants to.
    virtual void LowerPriority() = 0;
    // Hands the window to the window manager's move while the left button is held down;
    // false (and nothing happens) without that real press.
    virtual bool StartMove(TopWindow* window) = 0;
    // `changed` runs on the GUI thread, after the event that caused it, whenever a
    // notification area appears, restarts or goes away. An empty function stops it.
    virtual void WatchTrayHost(std::function<void()> changed) = 0;
};

// The process-wide services, chosen for the running window system on first use.
OsServices& Os();
void SetOs(OsServices* services);  // nullptr restores the system's own

// The fallback's behaviour, for implementations that share it.
class FallbackOs : public OsServices {
public:
    NativeWindow ForegroundWindow() override { return 0; }
    std::optional<Box> FrameRect(NativeWindow) override { return std::nullopt; }
    bool IsIconic(NativeWindow) override { return false; }
    void BringToFront(TopWindow* window) override;
    void RaiseAbove(TopWindow*, NativeWindow) override {}
    void SetSkipTaskbar(TopWindow*, bool) override {}
    void LowerPriority() override;
    bool StartMove(TopWindow* window) override;
    void WatchTrayHost(std::function<void()>) override {}
};

}  // namespace abacone
