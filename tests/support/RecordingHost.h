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
    void pumpMessages() override {
        ++pumps;
        if (onPump)
            onPump(pumps);
    }
    bool cancelRequested() override { return cancelAfterPumps > 0 && pumps >= cancelAfterPumps; }
    void endRun() override { ++ends; }

    int begins = 0;
    int ends = 0;
    long pumps = 0;
    long cancelAfterPumps = 0; ///< 0: never
    std::vector<int> progress;
    std::function<void(long)> onPump;
};

} // namespace hydrolofter::test
