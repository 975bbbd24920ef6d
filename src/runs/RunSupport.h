// What the launch analysis and the sweeps share: progress and the end-of-flight check.
#pragma once

#include "RunHost.h"
#include "model/RocketModel.h"

#include <cmath>

namespace hydrolofter {

/// A flight whose state is not finite at its end has diverged: NaN ends the height test
/// and infinities turn into NaN within a step, so looking once at the end is enough.
inline bool finiteState(const RocketModel& m) {
    return std::isfinite(m.height) && std::isfinite(m.velocity) && std::isfinite(m.acceleration) &&
           std::isfinite(m.waterLevel);
}

/// Sets the progress bar only when its value changes; setting the same value is a no-op
/// for the host, and this keeps a virtual call off most steps.
class Progress {
public:
    explicit Progress(RunHost& host) : host_(host) {}
    void set(int percent) {
        if (percent != last_) {
            last_ = percent;
            host_.setProgress(percent);
        }
    }

private:
    RunHost& host_;
    int last_ = -1;
};

/// One unit per 0.1 s of flight, wrapping every 10 s: trunc(t × 10) mod 100.
class FlightClockProgress {
public:
    explicit FlightClockProgress(Progress& progress) : progress_(progress) {}
    void update(double t) {
        const double tenths = std::trunc(t * 10);
        if (tenths != lastTenths_) {
            lastTenths_ = tenths;
            progress_.set(static_cast<int>(std::fmod(tenths, 100.0)));
        }
    }

private:
    Progress& progress_;
    double lastTenths_ = -1;
};

} // namespace hydrolofter
