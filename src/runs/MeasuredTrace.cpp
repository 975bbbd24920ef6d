#include "MeasuredTrace.h"

#include "VariableReaders.h"

#include "RunSupport.h"
#include "model/FlightSimulator.h"
#include "units/NumberText.h"
#include "units/Units.h"

#include <algorithm>
#include <cmath>

namespace hydrolofter {
namespace {

/// One flight held against the trace. clock moves the progress by flight time; a fit
/// counts flights instead and passes none.
TraceComparison flyAgainstTrace(const SimulationInputs& inputs, const RunSettings& settings,
                                const MeasuredTrace& trace, RunHost& host, double maxFlightTime,
                                FlightClockProgress* clock) {
    TraceComparison result;
    TraceFigures& f = result.figures;
    const std::size_t n = std::min(trace.time.size(), trace.height.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (i == 0 || trace.height[i] > f.measuredApogee) {
            f.measuredApogee = trace.height[i];
            f.measuredApogeeAt = trace.time[i];
        }
    }

    RocketModel model;
    buildModel(model, inputs, settings.flightModel);
    FlightSimulator sim(model);
    double sumOfSquares = 0;
    std::size_t next = 0;
    auto sample = [&](double simulated) {
        const double d = trace.height[next] - simulated;
        sumOfSquares += d * d;
        ++next;
    };
    while (next < n && trace.time[next] <= 0)
        sample(model.height); // on the pad
    f.simulatedApogee = model.height;
    double t = 0, lastHeight = model.height;
    bool descending = false;
    do {
        const double t0 = t, dt = timeStep(settings.precision);
        t = t + dt;
        sim.step(dt);
        const double h = model.height;
        if (h > f.simulatedApogee)
            f.simulatedApogee = h;
        // The flight summary's Apogee Time, by the same rule.
        resultRule::track<var::ApogeeTime>(f.simulatedApogeeAt, model, t,
                                           resultRule::Unconverted{});
        while (next < n && trace.time[next] <= t) {
            const double between = lastHeight + (h - lastHeight) * ((trace.time[next] - t0) / dt);
            sample(h > 0 ? between : std::max(between, 0.0)); // the ground stops the landing
        }
        lastHeight = h;
        descending = descending || model.velocity < 0;
        if (clock)
            clock->update(t);
        if (host.cancelRequested()) {
            result.outcome = RunOutcome::Cancelled;
            return result;
        }
        if (t > maxFlightTime) {
            result.outcome = RunOutcome::TimedOut;
            return result;
        }
    } while (sim.goesOn(t) && !(descending && next >= n));
    if (!finiteState(model)) {
        result.outcome = RunOutcome::Diverged;
        return result;
    }
    while (next < n)
        sample(0); // landed
    f.rms = n > 0 ? std::sqrt(sumOfSquares / double(n)) : 0;
    return result;
}

} // namespace

std::string heightText(double metres, int unit) {
    const UnitFamily family = variableInfo(var::Height).units.family;
    return valueWithUnit(convertUnits(family, metres, variableInfo(var::Height).internalUnit, unit),
                         var::Height, unit);
}

std::string secondsText(double t) {
    return formatShort(t) + " sec";
}

TraceComparison compareWithTrace(const SimulationInputs& inputs, const RunSettings& settings,
                                 const MeasuredTrace& trace, RunHost& host, double maxFlightTime) {
    Progress progress(host);
    FlightClockProgress clock(progress);
    return flyAgainstTrace(inputs, settings, trace, host, maxFlightTime, &clock);
}

TraceComparison flyAgainstTraceQuietly(const SimulationInputs& inputs, const RunSettings& settings,
                                       const MeasuredTrace& trace, RunHost& host,
                                       double maxFlightTime) {
    return flyAgainstTrace(inputs, settings, trace, host, maxFlightTime, nullptr);
}

std::vector<std::string> figureLines(const TraceFigures& f, int heightUnit) {
    return {"Measured apogee: " + heightText(f.measuredApogee, heightUnit) + " at " +
                secondsText(f.measuredApogeeAt),
            "Simulated apogee: " + heightText(f.simulatedApogee, heightUnit) + " at " +
                secondsText(f.simulatedApogeeAt),
            "Apogee difference (measured less simulated): " +
                heightText(f.measuredApogee - f.simulatedApogee, heightUnit),
            "RMS height difference: " + heightText(f.rms, heightUnit)};
}

} // namespace hydrolofter
