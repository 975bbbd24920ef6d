#include "LaunchAnalysis.h"

#include "RunSupport.h"
#include "VariableReaders.h"

#include <cmath>

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

/// A launch graph's record: each bucket of steps as its lowest and highest value. With
/// `stopsAtLimit` it stops at the record limit while the flight goes on for its results.
struct BucketRecord {
    int limit = 0;
    int stepsInBucket = 0;
    double heldMin = 0.0, heldMax = 0.0;
    bool recording = true;
    // Where the record ended when the flight goes on for its results.
    double lastMin = 0.0, lastMax = 0.0, lastTime = 0.0;
    bool airborneAtRecordEnd = false;

    void record(double v, double t, SampleSeries& series, bool stopsAtLimit, double height) {
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
        if (stopsAtLimit && series.count >= kRecordLimit) {
            recording = false;
            lastMin = heldMin, lastMax = heldMax, lastTime = t;
            airborneAtRecordEnd = height > 0;
        }
    }

    void finish(SampleSeries& series, double t, double height) const {
        if (recording) {
            series.airborneAtEnd = height > 0;
            // Holds the unfinished bucket, or repeats the one the last step closed.
            appendEntry(series, heldMin, heldMax, t);
        } else {
            series.airborneAtEnd = airborneAtRecordEnd;
            appendEntry(series, lastMin, lastMax, lastTime);
        }
    }
};

/// One flight from the inputs, recording a graph, tracking the flight's results for the
/// summary, or both. Each combination is an instantiation of its own, so that a loop pays
/// only for what it does. When the graph's record is full before the landing, a run with a
/// time limit flies on to the landing for the results, as a summary's flight would; one
/// without (the window's, which could then fly for ever) stops with the record, its results
/// not tracked.
template <bool Recording, bool Tracking>
RunOutcome flyLaunch(const RunSettings& s, const SimulationInputs& inputs, RunHost& host,
                     SampleSeries& series, double dt, const RunOptions& options) {
    series.kind = SeriesKind::MinMaxBars;
    series.count = 0;
    series.flight = {};
    series.airborneAtEnd = false;
    series.flightTracked = false;
    FlightResults results; // local, so that it can stay in registers

    RocketModel model;
    buildModel(model, inputs, s.flightModel);
    FlightSimulator sim(model);
    const PlotReader plot(s.plotVariable, s.plotUnit);
    Progress progress(host);
    FlightClockProgress clock(progress);

    double t = 0.0;
    BucketRecord record;
    record.limit = bucketLimit(dt);
    record.recording = Recording;
    const bool flyToLanding = Tracking && (!Recording || std::isfinite(options.maxFlightTime));
    do {
        t = t + dt;
        sim.step(dt);
        if constexpr (Recording) {
            if (record.recording)
                record.record(plot(model, sim), t, series, Tracking, model.height);
        }
        if constexpr (Tracking)
            updateFlightResults(results, model, t);
        clock.update(t);
        if (host.cancelRequested())
            return RunOutcome::Cancelled; // the unfinished bucket is not written
        if (t > options.maxFlightTime)
            return RunOutcome::TimedOut;
    } while (sim.goesOn(t) && (flyToLanding || series.count < kRecordLimit));

    if (!finiteState(model))
        return RunOutcome::Diverged;
    if constexpr (Recording)
        record.finish(series, t, model.height);
    if constexpr (Tracking) {
        series.flightTracked = !sim.goesOn(t);
        finishFlightResults(results, model, t);
        if (series.flightTracked)
            series.flight = results;
    }
    return RunOutcome::Completed;
}

} // namespace

RunOutcome launchAnalysis(const RunSettings& s, const SimulationInputs& inputs, RunHost& host,
                          SampleSeries& series, double dt, const RunOptions& options) {
    if (s.launchDisplay == Graph && options.flightResults)
        return flyLaunch<true, true>(s, inputs, host, series, dt, options);
    if (s.launchDisplay == Graph)
        return flyLaunch<true, false>(s, inputs, host, series, dt, options);
    return flyLaunch<false, true>(s, inputs, host, series, dt, options);
}

} // namespace hydrolofter
