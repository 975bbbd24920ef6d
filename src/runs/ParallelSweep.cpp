#include "JoinedThreads.h"
#include "Sweep.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace hydrolofter {
namespace {

/// The points shared out among worker threads. The calling thread keeps the host's
/// conversation: it passes a cancel on and moves the progress bar as points finish.
class ParallelRun final : public PointQueue {
public:
    ParallelRun(const SweepPlan& plan, const ResultRule& rule, double dt, const RunOptions& options)
        : plan_(plan), rule_(rule), dt_(dt), maxFlightTime_(options.maxFlightTime),
          results_(plan.points()) {}

    /// Returns false when no worker thread could be started (nothing has been flown).
    bool run(RunHost& host, int threads, RunOutcome& outcome) {
        Progress progress(host);
        const int points = plan_.points();
        bool cancelled = false;
        {
            JoinedThreads workers;
            try {
                for (int w = 0; w < threads; ++w)
                    workers.start([this] { work(); });
            } catch (const std::system_error&) {
                if (workers.empty())
                    return false; // the caller flies the points itself
            }
            for (;;) {
                int finished;
                {
                    std::unique_lock lock(mutex_);
                    // Wake for a finished point, or often enough to see a cancel at once.
                    changed_.wait_for(lock, std::chrono::milliseconds(2),
                                      [this, points] { return finished_ == points || stop_; });
                    finished = finished_;
                }
                progress.set(finished * 100 / points);
                if (finished == points || stop_)
                    break;
                if (host.cancelRequested()) {
                    cancelled = true;
                    stop_ = true; // each worker stops after its current block of steps
                    break;
                }
            }
        } // leaving the block joins the workers
        outcome = cancelled ? RunOutcome::Cancelled : failure_;
        return true;
    }

    /// The points flown, from the first up to the first one not flown.
    void copyTo(SampleSeries& series) const { results_.copyTo(series, plan_); }

private:
    // Each worker flies its points in lanes; the queue is shared by all workers.
    void work() { flyLanes(plan_, rule_, dt_, maxFlightTime_, *this); }

    int take() override {
        const int k = next_.fetch_add(1);
        return k < plan_.points() && !stop_.load(std::memory_order_relaxed) ? k : -1;
    }
    void landed(int k, double result) override {
        std::lock_guard lock(mutex_);
        finished_ = results_.store(k, result);
        changed_.notify_one();
    }
    void failed(int, PointEnd end) override {
        std::lock_guard lock(mutex_);
        if (failure_ == RunOutcome::Completed)
            failure_ = end == PointEnd::TimedOut ? RunOutcome::TimedOut : RunOutcome::Diverged;
        stop_ = true;
        changed_.notify_one();
    }
    bool stopRequested() override { return stop_.load(std::memory_order_relaxed); }

    const SweepPlan& plan_;
    const ResultRule& rule_;
    const double dt_;
    const double maxFlightTime_;
    SweepResults results_; ///< guarded by mutex_
    std::atomic<int> next_{0};
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::condition_variable changed_;
    int finished_ = 0;                           ///< guarded by mutex_
    RunOutcome failure_ = RunOutcome::Completed; ///< guarded by mutex_; read after the join
};

} // namespace

bool parallelSweep(const SweepPlan& plan, const ResultRule& rule, RunHost& host,
                   SampleSeries& series, double dt, const RunOptions& options, int threads,
                   RunOutcome& outcome) {
    ParallelRun run(plan, rule, dt, options);
    if (!run.run(host, threads, outcome))
        return false;
    run.copyTo(series);
    return true;
}

} // namespace hydrolofter
