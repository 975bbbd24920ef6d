// Reading a flight's plotted variable and tracking its result variables, in display units.
#pragma once

#include "SampleSeries.h"
#include "model/FlightSimulator.h"
#include "units/VariableCatalog.h"
#include "units/VariableTable.h"

#include <utility>

namespace hydrolofter {

/// The rules of the result variables: after a step that ended at time t, with the value
/// converted to the display unit by `convert` (a flight's own results pass Unconverted).
namespace resultRule {
template <StepQuantity Q, class State> inline double quantity(const State& m) {
    if constexpr (Q == StepQuantity::Height)
        return m.height;
    else if constexpr (Q == StepQuantity::Velocity)
        return m.velocity;
    else if constexpr (Q == StepQuantity::Acceleration)
        return m.acceleration;
    else if constexpr (Q == StepQuantity::Thrust)
        return m.thrust;
    else if constexpr (Q == StepQuantity::Impulse)
        return m.stepImpulse;
    else
        return m.burning;
}
template <ResultTaken T, StepQuantity Q, class State, class Convert>
inline void apply(double& result, const State& m, double t, Convert convert) {
    if constexpr (T == ResultTaken::FirstTimeNotPositive) {
        if (!(quantity<Q>(m) > 0) && result == 0)
            result = t; // e.g. the first time the rocket no longer climbs
    } else if constexpr (T == ResultTaken::Last) {
        result = convert(quantity<Q>(m));
    } else if constexpr (T == ResultTaken::Largest) {
        const double v = convert(quantity<Q>(m));
        if (v > result)
            result = v;
    } else if constexpr (T == ResultTaken::Duration) {
        result = t;
    } else if constexpr (T == ResultTaken::Sum) {
        result = result + convert(quantity<Q>(m));
    }
}
/// The rule of result variable V, looked up when compiled.
template <VariableId V, class State, class Convert>
inline void track(double& result, const State& m, double t, Convert convert) {
    constexpr ResultRuleInfo rule = variableTable::kCatalogue[std::size_t(V)].result;
    apply<rule.taken, rule.of>(result, m, t, convert);
}
/// A rule of one kind as a callable (result, state, t), converting to a display unit.
template <ResultTaken T, StepQuantity Q> struct Rule {
    LinearConversion convert;
    template <class State> void operator()(double& result, const State& m, double t) const {
        apply<T, Q>(result, m, t, convert);
    }
};
/// The value as it is: the default units are the model's own.
struct Unconverted {
    double operator()(double v) const { return v; }
};
} // namespace resultRule

/// A plot variable and its unit, resolved once per run: read as the variable table says.
class PlotReader {
public:
    PlotReader(VariableId variable, int unitIndex);
    double operator()(const RocketModel& m, const FlightSimulator& sim) const;

private:
    PlotReading reading_ = PlotReading::NotPlotted;
    bool percent_ = false;
    LinearConversion convert_;
};

/// A result variable and its unit, resolved once per run.
class ResultRule {
public:
    ResultRule(VariableId variable, int unitIndex);
    void operator()(double& result, const RocketModel& m, double t) const;

    /// Calls f with the rule as a callable (result, state, t), state being anything with
    /// the step quantities (height ... burning): the variable is looked up once, not per
    /// step.
    template <class F> void visit(F&& f) const {
        switch (rule_.taken) {
        case ResultTaken::FirstTimeNotPositive:
            return visitOf<ResultTaken::FirstTimeNotPositive>(f);
        case ResultTaken::Last:
            return visitOf<ResultTaken::Last>(f);
        case ResultTaken::Largest:
            return visitOf<ResultTaken::Largest>(f);
        case ResultTaken::Sum:
            return visitOf<ResultTaken::Sum>(f);
        case ResultTaken::Duration:
            return f(rule<ResultTaken::Duration, StepQuantity::Height>());
        case ResultTaken::NotAResult:
            break;
        }
        return f([](double&, const auto&, double) {});
    }

private:
    template <ResultTaken T, StepQuantity Q> resultRule::Rule<T, Q> rule() const {
        return {convert_};
    }
    template <ResultTaken T, class F> void visitOf(F& f) const {
        switch (rule_.of) {
        case StepQuantity::Height:
            return f(rule<T, StepQuantity::Height>());
        case StepQuantity::Velocity:
            return f(rule<T, StepQuantity::Velocity>());
        case StepQuantity::Acceleration:
            return f(rule<T, StepQuantity::Acceleration>());
        case StepQuantity::Thrust:
            return f(rule<T, StepQuantity::Thrust>());
        case StepQuantity::Impulse:
            return f(rule<T, StepQuantity::Impulse>());
        case StepQuantity::Burning:
            return f(rule<T, StepQuantity::Burning>());
        }
    }

    ResultRuleInfo rule_;
    LinearConversion convert_;
};

/// The current value of a plot variable in unit unitIndex.
double plotValue(VariableId variable, int unitIndex, const RocketModel& model,
                 const FlightSimulator& simulator);

/// Applies the rule of a result variable after a step that ended at time t.
void updateResult(double& result, VariableId variable, int unitIndex, const RocketModel& model,
                  double t);

namespace resultRule {
/// Whether a rule takes its value from the last step only, so that a flight's own results
/// can take it once, after the flight, instead of after every step.
constexpr bool takenAtEnd(ResultTaken t) {
    return t == ResultTaken::Last || t == ResultTaken::Duration;
}
/// Applies the rules of every result variable for which atEnd says when they are taken.
template <bool AtEnd> inline void trackAll(FlightResults& r, const RocketModel& m, double t) {
    [&]<std::size_t... K>(std::index_sequence<K...>) {
        auto one = [&]<VariableId V>(double& result) {
            if constexpr (takenAtEnd(variableTable::kCatalogue[std::size_t(V)].result.taken) ==
                          AtEnd)
                track<V>(result, m, t, Unconverted{});
        };
        (one.template operator()<variableTable::kResultList[K]>(r.values[K]), ...);
    }
    (std::make_index_sequence<variableTable::kResultCount>{});
}
} // namespace resultRule

/// Tracks the result variables of one flight in their default units after a step that ended
/// at time t; finishFlightResults takes the rest after the last step.
inline void updateFlightResults(FlightResults& r, const RocketModel& m, double t) {
    resultRule::trackAll<false>(r, m, t);
}
inline void finishFlightResults(FlightResults& r, const RocketModel& m, double t) {
    resultRule::trackAll<true>(r, m, t);
}

} // namespace hydrolofter
