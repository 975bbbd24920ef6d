#include "Sweep.h"

namespace hydrolofter {
namespace {

/// The points in order on the calling thread, which also keeps the host's conversation.
class SerialQueue final : public PointQueue {
public:
    SerialQueue(const SweepPlan& plan, RunHost& host)
        : results(plan.points()), points_(plan.points()), host_(host), progress_(host) {}

    SweepResults results;
    RunOutcome failure = RunOutcome::Completed;

    int take() override { return next_ < points_ ? next_++ : -1; }
    void landed(int k, double result) override {
        progress_.set(results.store(k, result) * 100 / points_);
    }
    void failed(int k, PointEnd end) override {
        // Points are taken in order, so the lowest failed point is the first the run met.
        if (k < failedAt_) {
            failedAt_ = k;
            failure = end == PointEnd::TimedOut ? RunOutcome::TimedOut : RunOutcome::Diverged;
        }
    }
    bool stopRequested() override { return host_.cancelRequested(); }

private:
    const int points_;
    RunHost& host_;
    Progress progress_;
    int next_ = 0;
    int failedAt_ = points_;
};

} // namespace

RunOutcome serialSweep(const SweepPlan& plan, const ResultRule& rule, RunHost& host,
                       SampleSeries& series, double dt, const RunOptions& options) {
    SerialQueue queue(plan, host);
    const bool finished = flyLanes(plan, rule, dt, options.maxFlightTime, queue);
    queue.results.copyTo(series, plan); // on cancel too: the points landed before it stay
    return finished ? queue.failure : RunOutcome::Cancelled;
}

} // namespace hydrolofter
