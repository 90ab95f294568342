#include "platform/timer.h"

#include <map>

#include "platform/win32/win32_window.h"

namespace abacone {
namespace {

// Every timer of the program by its id; the ticks come as the messages of one hidden
// timer procedure, so a timer needs no window of its own.
std::map<UINT_PTR, Timer::Impl*>& Timers() {
    static std::map<UINT_PTR, Timer::Impl*> timers;
    return timers;
}

}  // namespace

struct Timer::Impl {
    Form& owner;
    std::function<void()> handler;
    UINT_PTR id = 0;
    int interval = 1000;

    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
        const auto it = Timers().find(id);
        if (it != Timers().end()) it->second->owner.Run(it->second->handler);
    }
    void Start() {
        id = SetTimer(nullptr, 0, UINT(interval), Tick);
        if (id) Timers()[id] = this;
    }
    void Stop() {
        if (!id) return;
        KillTimer(nullptr, id);
        Timers().erase(id);
        id = 0;
    }
};

Timer::Timer(Form& owner, std::function<void()> onTimer) : impl_(new Impl{owner, std::move(onTimer)}) {}

Timer::~Timer() { impl_->Stop(); }

void Timer::SetEnabled(bool on) {
    if (on == Enabled()) return;
    if (on)
        impl_->Start();
    else
        impl_->Stop();
}

bool Timer::Enabled() const { return impl_->id != 0; }

void Timer::SetInterval(int milliseconds) {
    impl_->interval = milliseconds;
    if (Enabled()) {
        impl_->Stop();
        impl_->Start();
    }
}

int Timer::Interval() const { return impl_->interval; }

}  // namespace abacone
