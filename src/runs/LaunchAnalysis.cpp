#include "LaunchAnalysis.h"

#include "RunSupport.h"
#include "VariableReaders.h"

namespace hydrolofter {
namespace {

/// One entry of the series: a bucket's lowest and highest value and its end time.
void appendEntry(SampleSeries& series, double lowest, double highest, double t) {
    const auto e = std::size_t(series.count);
    series.column1[e] = lowest;
    series.column2[e] = highest;
    series.column3[e] = t;
    ++series.count;
}

/// One flight from the inputs. Recording a graph and tracking the flight's results for the
/// summary are separate instantiations, so that neither costs the other's loop anything.
template <bool Recording>
RunOutcome flyLaunch(const RunSettings& s, const SimulationInputs& inputs, RunHost& host,
                     SampleSeries& series, double dt, const RunOptions& options) {
    series.kind = SeriesKind::MinMaxBars;
    series.count = 0;
    series.flight = {};
    series.airborneAtEnd = false;
    FlightResults results; // local, so that it can stay in registers

    RocketModel model;
    buildModel(model, inputs);
    FlightSimulator sim(model);
    const PlotReader plot(s.plotVariable, s.plotUnit);
    Progress progress(host);
    FlightClockProgress clock(progress);

    double t = 0.0;
    int stepsInBucket = 0;
    double heldMin = 0.0, heldMax = 0.0;
    const int limit = bucketLimit(dt);
    do {
        t = t + dt;
        sim.step(dt);
        if constexpr (Recording) {
            const double v = plot(model, sim);
            if (v > heldMax || stepsInBucket == 0)
                heldMax = v;
            if (v < heldMin || stepsInBucket == 0)
                heldMin = v;
            if (stepsInBucket >= limit) {
                appendEntry(series, heldMin, heldMax, t);
                stepsInBucket = 0;
            } else {
                ++stepsInBucket;
            }
        } else {
            updateFlightResults(results, model, t);
        }
        clock.update(t);
        if (host.cancelRequested())
            return RunOutcome::Cancelled; // the unfinished bucket is not written
        if (t > options.maxFlightTime)
            return RunOutcome::TimedOut;
    } while (model.height > 0 && series.count < kRecordLimit);

    if (!finiteState(model))
        return RunOutcome::Diverged;
    if constexpr (Recording) {
        series.airborneAtEnd = model.height > 0;
        // Holds the unfinished bucket, or repeats the one the last step closed.
        appendEntry(series, heldMin, heldMax, t);
    } else {
        series.flight = results;
    }
    return RunOutcome::Completed;
}

} // namespace

RunOutcome launchAnalysis(const RunSettings& s, const SimulationInputs& inputs, RunHost& host,
                          SampleSeries& series, double dt, const RunOptions& options) {
    if (s.launchDisplay == Graph)
        return flyLaunch<true>(s, inputs, host, series, dt, options);
    return flyLaunch<false>(s, inputs, host, series, dt, options);
}

} // namespace hydrolofter
