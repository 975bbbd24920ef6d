#include "Sweep.h"

#include <algorithm>
#include <thread>

namespace hydrolofter {

namespace {

int workerThreads(int requested, int points) {
    int threads = requested;
    if (threads <= 0)
        threads = int(std::max(1u, std::thread::hardware_concurrency()));
    return std::min(threads, points);
}

} // namespace

RunOutcome optimisation(const RunSettings& s, const SimulationInputs& inputs, RunHost& host,
                        SampleSeries& series, double dt, const RunOptions& options) {
    const SweepPlan plan = makeSweepPlan(s, inputs);
    series.kind = plan.innerPoints == 1 ? SeriesKind::Line : SeriesKind::Surface;
    series.count = 0;
    const ResultRule rule(plan.resultVariable, plan.resultUnit);
    const int threads = workerThreads(options.threads, plan.points());
    RunOutcome outcome = RunOutcome::Completed;
    if (threads > 1 && parallelSweep(plan, rule, host, series, dt, options, threads, outcome))
        return outcome;
    return serialSweep(plan, rule, host, series, dt, options);
}

} // namespace hydrolofter
