// A run host that records what the driver told it and cancels when asked to.
#pragma once

#include "runs/RunHost.h"

#include <functional>
#include <vector>

namespace hydrolofter::test {

class RecordingHost : public RunHost {
public:
    void beginRun() override { ++begins; }
    void setProgress(int p) override { progress.push_back(p); }
    /// Counts the run's questions (one per step of a flight); cancels from the nth on.
    bool cancelRequested() override {
        ++asks;
        if (onAsk)
            onAsk(asks);
        return cancelAfterAsks > 0 && asks >= cancelAfterAsks;
    }
    void endRun() override { ++ends; }

    int begins = 0;
    int ends = 0;
    long asks = 0;
    long cancelAfterAsks = 0; ///< 0: never
    std::vector<int> progress;
    std::function<void(long)> onAsk;
};

} // namespace hydrolofter::test
