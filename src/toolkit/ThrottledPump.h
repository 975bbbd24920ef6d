// The window's events dispatched during a long computation, without slowing it down.
#pragma once

#include <chrono>

namespace hydrolofter {

/// pump() may be called after every step of a flight: it dispatches waiting events at most
/// every few milliseconds, and between those it only counts down, reading the clock once
/// the count runs out.
class ThrottledPump {
public:
    /// Starts a new computation: the next dispatch is a full interval away.
    void restart();
    void pump();

private:
    int countdown_ = 0;
    std::chrono::steady_clock::time_point lastPump_;
    std::chrono::steady_clock::time_point lastClockRead_;
};

} // namespace hydrolofter
