// The flights of an optimisation: one point's flight, and the two ways of flying them all.
#pragma once

#include "RunHost.h"
#include "RunSimulation.h"
#include "RunSupport.h"
#include "SweepPlan.h"
#include "VariableReaders.h"

#include <vector>

namespace hydrolofter {

/// How one point's flight ended.
enum class PointEnd { Landed, Stopped, TimedOut, Diverged };

/// Flies point (j, i) of the plan to landing, one step after the other on a
/// FlightSimulator, and tracks its result. afterStep() is asked after every step whether
/// to stop. This is the reference the lanes of a sweep must match bit for bit (the tests
/// and the benchmark fly it); the sweeps themselves fly their points in lanes.
template <class AfterStep>
PointEnd flyPoint(const SweepPlan& plan, int j, int i, const ResultRule& rule, double dt,
                  double maxFlightTime, double& result, AfterStep afterStep) {
    RocketModel model;
    plan.buildPoint(model, j, i);
    result = 0.0;
    double t = 0.0;
    FlightSimulator sim(model);
    do {
        t = t + dt;
        sim.step(dt);
        rule(result, model, t);
        if (afterStep())
            return PointEnd::Stopped;
        if (t > maxFlightTime)
            return PointEnd::TimedOut;
    } while (sim.goesOn(t));
    return finiteState(model) && std::isfinite(result) ? PointEnd::Landed : PointEnd::Diverged;
}

/// Where the lanes of one thread get their points and leave their results.
class PointQueue {
public:
    virtual ~PointQueue() = default;
    /// The next point to fly, or -1 when none is left.
    virtual int take() = 0;
    virtual void landed(int k, double result) = 0;
    /// Point k timed out or diverged (end is TimedOut or Diverged).
    virtual void failed(int k, PointEnd end) = 0;
    /// Asked between blocks of a few thousand steps: true stops the flights at once.
    virtual bool stopRequested() = 0;
};

/// Flies the queue's points on the calling thread, several at a time in lock-step; a lane
/// whose rocket has landed takes the next point. After a failure no new point is taken
/// and only the points before the failed one are flown on. False when stopped.
bool flyLanes(const SweepPlan& plan, const ResultRule& rule, double dt, double maxFlightTime,
              PointQueue& queue);

/// The results of a sweep by point, as they land in any order.
class SweepResults {
public:
    explicit SweepResults(int points)
        : results_(std::size_t(points)), landed_(std::size_t(points), 0) {}
    /// Returns the number of points landed so far.
    int store(int k, double result) {
        results_[std::size_t(k)] = result;
        landed_[std::size_t(k)] = 1;
        return ++count_;
    }
    /// The points landed, from the first up to the first one not landed.
    void copyTo(SampleSeries& series, const SweepPlan& plan) const;

private:
    std::vector<double> results_;
    std::vector<char> landed_;
    int count_ = 0;
};

/// The points flown on the calling thread, asking the host about a cancel between blocks
/// of steps.
RunOutcome serialSweep(const SweepPlan& plan, const ResultRule& rule, RunHost& host,
                       SampleSeries& series, double dt, const RunOptions& options);

/// The points shared out among `threads` worker threads; false when no thread could be
/// started (nothing has been flown, the caller flies them itself).
bool parallelSweep(const SweepPlan& plan, const ResultRule& rule, RunHost& host,
                   SampleSeries& series, double dt, const RunOptions& options, int threads,
                   RunOutcome& outcome);

/// Flies the optimisation of s into series and says how it ended.
RunOutcome optimisation(const RunSettings& s, const SimulationInputs& inputs, RunHost& host,
                        SampleSeries& series, double dt, const RunOptions& options);

} // namespace hydrolofter
