// Reading a flight's plotted variable and tracking its result variables, in display units.
#pragma once

#include "SampleSeries.h"
#include "model/FlightSimulator.h"
#include "units/VariableCatalog.h"

namespace hydrolofter {

/// The rule of each result variable after a step that ended at time t, with the value
/// converted to the display unit by `convert` (the flight summary passes the identity).
namespace resultRule {
template <class State, class Convert>
inline void apogeeTime(double& result, const State& m, double t, Convert) {
    if (!(m.velocity > 0) && result == 0)
        result = t; // the first time the rocket no longer climbs
}
template <class State, class Convert>
inline void burnoutTime(double& result, const State& m, double t, Convert) {
    if (!(m.acceleration > 0) && result == 0)
        result = t;
}
template <class State, class Convert>
inline void impactVelocity(double& result, const State& m, double, Convert convert) {
    result = convert(m.velocity);
}
template <class Convert> inline void keepMax(double& result, double value, Convert convert) {
    const double v = convert(value);
    if (v > result)
        result = v;
}
template <class State, class Convert>
inline void maxAcceleration(double& result, const State& m, double, Convert convert) {
    keepMax(result, m.acceleration, convert);
}
template <class State, class Convert>
inline void maxHeight(double& result, const State& m, double, Convert convert) {
    keepMax(result, m.height, convert);
}
template <class State, class Convert>
inline void maxVelocity(double& result, const State& m, double, Convert convert) {
    keepMax(result, m.velocity, convert);
}
template <class State, class Convert>
inline void timeAloft(double& result, const State&, double t, Convert) {
    result = t;
}
/// The value as it is: the default units are the model's own.
struct Unconverted {
    double operator()(double v) const { return v; }
};
} // namespace resultRule

/// A plot variable (0..9) and its unit, resolved once per run.
class PlotReader {
public:
    PlotReader(VariableId variable, int unitIndex);
    double operator()(const RocketModel& m, const FlightSimulator& sim) const;

private:
    VariableId variable_;
    bool percent_ = false;
    LinearConversion convert_;
};

/// A result variable (10..16) and its unit, resolved once per run.
class ResultRule {
public:
    ResultRule(VariableId variable, int unitIndex);
    void operator()(double& result, const RocketModel& m, double t) const;

    /// Calls f with the rule as a callable (result, state, t), state being anything with
    /// height, velocity and acceleration: the variable is looked up once, not per step.
    template <class F> void visit(F&& f) const {
        using namespace resultRule;
        const LinearConversion c = convert_;
        switch (variable_) {
        case var::ApogeeTime:
            return f([c](double& r, const auto& m, double t) { apogeeTime(r, m, t, c); });
        case var::BurnoutTime:
            return f([c](double& r, const auto& m, double t) { burnoutTime(r, m, t, c); });
        case var::ImpactVelocity:
            return f([c](double& r, const auto& m, double t) { impactVelocity(r, m, t, c); });
        case var::MaxAcceleration:
            return f([c](double& r, const auto& m, double t) { maxAcceleration(r, m, t, c); });
        case var::MaxHeight:
            return f([c](double& r, const auto& m, double t) { maxHeight(r, m, t, c); });
        case var::MaxVelocity:
            return f([c](double& r, const auto& m, double t) { maxVelocity(r, m, t, c); });
        case var::TimeAloft:
            return f([c](double& r, const auto& m, double t) { timeAloft(r, m, t, c); });
        default:
            return f([](double&, const auto&, double) {});
        }
    }

private:
    VariableId variable_;
    LinearConversion convert_;
};

/// The current value of a plot variable (0..9) in unit unitIndex.
double plotValue(VariableId variable, int unitIndex, const RocketModel& model,
                 const FlightSimulator& simulator);

/// Applies the rule of a result variable (10..16) after a step that ended at time t.
void updateResult(double& result, VariableId variable, int unitIndex, const RocketModel& model,
                  double t);

/// Tracks all seven result variables of one flight in their default units.
inline void updateFlightResults(FlightResults& r, const RocketModel& m, double t) {
    using namespace resultRule;
    const Unconverted same;
    apogeeTime(r.apogeeTime, m, t, same);
    burnoutTime(r.burnoutTime, m, t, same);
    impactVelocity(r.impactVelocity, m, t, same);
    maxAcceleration(r.maxAcceleration, m, t, same);
    maxHeight(r.maxHeight, m, t, same);
    maxVelocity(r.maxVelocity, m, t, same);
    timeAloft(r.timeAloft, m, t, same);
}

} // namespace hydrolofter
