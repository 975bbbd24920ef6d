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

/// The measured side of the figures: the apogee, or the impulse (trapezoids) and the peak.
void measuredFigures(const MeasuredTrace& trace, std::size_t n, TraceFigures& f) {
    for (std::size_t i = 0; i < n; ++i) {
        if (i == 0 || trace.height[i] > f.measuredApogee) {
            f.measuredApogee = trace.height[i];
            f.measuredApogeeAt = trace.time[i];
        }
        if (i > 0)
            f.measuredImpulse +=
                (trace.time[i] - trace.time[i - 1]) * (trace.height[i] + trace.height[i - 1]) / 2;
    }
    f.measuredPeak = f.measuredApogee;
    f.thrust = trace.thrust;
}

/// One flight held against the trace: its height, or its thrust, at each sample's time.
/// clock moves the progress by flight time; a fit counts flights instead and passes none.
TraceComparison flyAgainstTrace(const SimulationInputs& inputs, const RunSettings& settings,
                                const MeasuredTrace& trace, RunHost& host, double maxFlightTime,
                                FlightClockProgress* clock) {
    TraceComparison result;
    TraceFigures& f = result.figures;
    const std::size_t n = std::min(trace.time.size(), trace.height.size());
    measuredFigures(trace, n, f);
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
    const bool thrust = trace.thrust;
    while (next < n && trace.time[next] <= 0)
        sample(thrust ? 0 : model.height); // on the pad, before the release
    f.simulatedApogee = model.height;
    double t = 0, lastHeight = model.height;
    bool done = false;
    do {
        const double t0 = t, dt = timeStep(settings.precision);
        t = t + dt;
        sim.step(dt);
        const double h = model.height, force = sim.forceValues[ThrustSlot];
        f.simulatedApogee = std::max(f.simulatedApogee, h);
        f.simulatedPeak = std::max(f.simulatedPeak, force);
        f.simulatedImpulse += force * dt;
        // The flight summary's Apogee Time, by the same rule.
        resultRule::track<var::ApogeeTime>(f.simulatedApogeeAt, model, t,
                                           resultRule::Unconverted{});
        while (next < n && trace.time[next] <= t) {
            const double between = lastHeight + (h - lastHeight) * ((trace.time[next] - t0) / dt);
            // The ground stops the landing; a step's thrust lasts the step.
            sample(thrust ? force : h > 0 ? between : std::max(between, 0.0));
        }
        lastHeight = h;
        done = done || (thrust ? !(model.burning > 0) : model.velocity < 0);
        if (clock)
            clock->update(t);
        if (host.cancelRequested() || t > maxFlightTime) {
            result.outcome = t > maxFlightTime ? RunOutcome::TimedOut : RunOutcome::Cancelled;
            return result;
        }
    } while (sim.goesOn(t) && !(done && next >= n));
    if (!finiteState(model)) {
        result.outcome = RunOutcome::Diverged;
        return result;
    }
    while (next < n)
        sample(0); // landed, or the thrust has ended
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

int figureHeightUnit(const RunSettings& s) {
    return s.plotVariable == var::Height ? s.plotUnit : unit::m;
}

std::string differenceText(double value, bool thrust, int heightUnit) {
    return thrust ? formatShort(value) + " N" : heightText(value, heightUnit);
}

std::vector<std::string> figureLines(const TraceFigures& f, int heightUnit) {
    if (f.thrust) {
        auto impulse = [](double v) { return formatShort(v) + " N\u00b7s"; };
        return {"Measured impulse: " + impulse(f.measuredImpulse) + ", peak " +
                    differenceText(f.measuredPeak, true, 0),
                "Simulated impulse: " + impulse(f.simulatedImpulse) + ", peak " +
                    differenceText(f.simulatedPeak, true, 0),
                "Impulse difference (measured less simulated): " +
                    impulse(f.measuredImpulse - f.simulatedImpulse),
                "RMS force difference: " + differenceText(f.rms, true, 0)};
    }
    return {"Measured apogee: " + heightText(f.measuredApogee, heightUnit) + " at " +
                secondsText(f.measuredApogeeAt),
            "Simulated apogee: " + heightText(f.simulatedApogee, heightUnit) + " at " +
                secondsText(f.simulatedApogeeAt),
            "Apogee difference (measured less simulated): " +
                heightText(f.measuredApogee - f.simulatedApogee, heightUnit),
            "RMS height difference: " + heightText(f.rms, heightUnit)};
}

} // namespace hydrolofter
