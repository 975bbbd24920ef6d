#include "ThrottledPump.h"

#include <QCoreApplication>

namespace hydrolofter {
namespace {

/// Milliseconds between two real pumps: often enough to feel immediate.
constexpr auto kPumpInterval = std::chrono::milliseconds(10);
/// Steps between two clock reads.
constexpr int kStepsPerClockRead = 256;
/// Calls further apart than this read the clock every time.
constexpr auto kSeldom = std::chrono::microseconds(200);

} // namespace

void ThrottledPump::restart() {
    countdown_ = 0;
    lastPump_ = lastClockRead_ = std::chrono::steady_clock::now();
}

void ThrottledPump::pump() {
    if (--countdown_ > 0)
        return;
    const auto now = std::chrono::steady_clock::now();
    // A caller that comes seldom (an optimisation's calling thread, between points) has
    // the clock read on every call; one that comes after every step, every few hundred.
    countdown_ = now - lastClockRead_ > kSeldom ? 1 : kStepsPerClockRead;
    lastClockRead_ = now;
    if (now - lastPump_ < kPumpInterval)
        return;
    lastPump_ = now;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace hydrolofter
