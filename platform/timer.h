// A timer whose ticks run through a Form like any other event (the window renders after
// each tick). Disabled until switched on; 1000 ms unless set. It wakes the program only
// while enabled.
#pragma once

#include <functional>
#include <memory>

namespace abacone {

class Form;

class Timer {
public:
    struct Impl;
    Timer(Form& owner, std::function<void()> onTimer);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void SetEnabled(bool on);
    bool Enabled() const;
    void SetInterval(int milliseconds);
    int Interval() const;

private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace abacone
