#include "platform/timer.h"

#include "platform/form.h"

namespace abacone {

Timer::Timer(Form& owner, std::function<void()> onTimer) {
    timer_.setInterval(1000);
    QObject::connect(&timer_, &QTimer::timeout, &owner,
                     [&owner, handler = std::move(onTimer)] { owner.Run(handler); });
}

void Timer::SetEnabled(bool on) {
    if (on == timer_.isActive()) return;
    if (on)
        timer_.start();
    else
        timer_.stop();
}

void Timer::SetInterval(int milliseconds) { timer_.setInterval(milliseconds); }

}  // namespace abacone
