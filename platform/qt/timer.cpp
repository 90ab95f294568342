#include "platform/timer.h"

#include <QTimer>

#include "platform/qt/qt_window.h"

namespace abacone {

struct Timer::Impl {
    QTimer timer;
};

Timer::Timer(Form& owner, std::function<void()> onTimer) : impl_(std::make_unique<Impl>()) {
    impl_->timer.setInterval(1000);
    QObject::connect(&impl_->timer, &QTimer::timeout, Widget(owner),
                     [&owner, handler = std::move(onTimer)] { owner.Run(handler); });
}

Timer::~Timer() = default;

void Timer::SetEnabled(bool on) {
    if (on == impl_->timer.isActive()) return;
    if (on)
        impl_->timer.start();
    else
        impl_->timer.stop();
}

bool Timer::Enabled() const { return impl_->timer.isActive(); }
void Timer::SetInterval(int milliseconds) { impl_->timer.setInterval(milliseconds); }
int Timer::Interval() const { return impl_->timer.interval(); }

}  // namespace abacone
