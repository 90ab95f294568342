// A timer whose ticks run through a Form like any other event (the window renders after
// each tick). Disabled until switched on; 1000 ms unless set. It wakes the program only
// while enabled.
#pragma once

#include <QTimer>
#include <functional>

namespace abacone {

class Form;

class Timer {
public:
    Timer(Form& owner, std::function<void()> onTimer);
    void SetEnabled(bool on);
    bool Enabled() const { return timer_.isActive(); }
    void SetInterval(int milliseconds);
    int Interval() const { return timer_.interval(); }

private:
    QTimer timer_;
};

}  // namespace abacone
