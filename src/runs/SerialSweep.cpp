#include "Sweep.h"

namespace hydrolofter {

RunOutcome serialSweep(const SweepPlan& plan, const ResultRule& rule, RunHost& host,
                       SampleSeries& series, double dt, const RunOptions& options) {
    Progress progress(host);
    const int points = plan.points();
    for (int k = 0; k < points; ++k) {
        double result = 0;
        const auto [j, i] = plan.point(k);
        const PointEnd end = flyPoint(plan, j, i, rule, dt, options.maxFlightTime, result, [&host] {
            host.pumpMessages();
            return host.cancelRequested();
        });
        if (end == PointEnd::Stopped)
            return RunOutcome::Cancelled;
        if (end == PointEnd::TimedOut)
            return RunOutcome::TimedOut;
        if (end == PointEnd::Diverged)
            return RunOutcome::Diverged;
        appendPoint(series, plan, k, result);
        progress.set(series.count * 100 / points);
    }
    return RunOutcome::Completed;
}

} // namespace hydrolofter
