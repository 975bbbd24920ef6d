// The run driver: checks the inputs, then flies a launch analysis or an optimisation.
#include "RunSimulation.h"

#include "InputCheck.h"
#include "LaunchAnalysis.h"
#include "RunMessages.h"
#include "Sweep.h"

#include <cmath>

namespace hydrolofter {
namespace {

bool finiteEntries(const SampleSeries& s) {
    for (int k = 0; k < s.count; ++k) {
        const auto i = std::size_t(k);
        if (!std::isfinite(s.column1[i]) || !std::isfinite(s.column2[i]) ||
            !std::isfinite(s.column3[i]))
            return false;
    }
    return true;
}

} // namespace

int runSimulation(const RunRequest& request, RunHost& host, SampleSeries& series) {
    // The snapshot: the caller's records may change while the run flies.
    const RunSettings s = request.settings;
    const SimulationInputs in = request.inputs;
    const RunOptions options = request.options;
    host.beginRun();
    series.outcome = RunOutcome::Completed;
    series.notices.clear();
    if (s.mode >= LaunchAnalysis && s.mode <= TwoVariableOptimization) {
        if (!checkInputs(s, in).empty()) {
            series.count = 0;
            series.outcome = RunOutcome::Refused;
        } else {
            const double dt = timeStep(s.precision);
            series.outcome = s.mode == LaunchAnalysis
                                 ? launchAnalysis(s, in, host, series, dt, options)
                                 : optimisation(s, in, host, series, dt, options);
            // A value that overflowed only on its way into the display unit shows here.
            if (series.outcome == RunOutcome::Completed && !finiteEntries(series))
                series.outcome = RunOutcome::Diverged;
            if (series.outcome == RunOutcome::Completed)
                series.notices = runNotices(s, in, series);
        }
    }
    host.endRun();
    return series.count;
}

} // namespace hydrolofter
