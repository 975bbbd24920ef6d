// The flights of an optimisation: one point's flight, and the two ways of flying them all.
#pragma once

#include "RunHost.h"
#include "RunSimulation.h"
#include "RunSupport.h"
#include "SweepPlan.h"
#include "VariableReaders.h"

namespace hydrolofter {

/// How one point's flight ended.
enum class PointEnd { Landed, Stopped, TimedOut, Diverged };

/// Flies point (j, i) of the plan to landing and tracks its result. afterStep() is asked
/// after every step whether to stop.
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
    } while (model.height > 0);
    return finiteState(model) && std::isfinite(result) ? PointEnd::Landed : PointEnd::Diverged;
}

inline void appendPoint(SampleSeries& series, const SweepPlan& plan, int k, double result) {
    const auto e = std::size_t(series.count);
    const auto [j, i] = plan.point(k);
    series.column1[e] = plan.firstDisplay(j);
    series.column2[e] = plan.secondDisplay(i);
    series.column3[e] = result;
    ++series.count;
}

/// One point after the other on the calling thread, pumping after every step.
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
