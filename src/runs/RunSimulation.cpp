// Launch analysis and optimisation sweeps.
#include "RunSimulation.h"

#include "InputCheck.h"
#include "SweepPlan.h"

#include <cmath>

namespace hydrolofter {
namespace {

// The result rules, shared by the sweeps (converted values) and the flight summary (raw).
void keepFirstTime(double& result, bool condition, double t) {
    if (condition && result == 0)
        result = t;
}
void keepMax(double& result, double value) {
    if (value > result)
        result = value;
}

/// A plot variable and its unit, resolved once per run.
class PlotReader {
public:
    PlotReader(VariableId variable, int unitIndex) : variable_(variable) {
        percent_ = unitIndex == kPercentUnit;
        const VariableInfo& info = variableInfo(variable);
        const UnitFamily family = info.units.kind == UnitListKind::VolumeOrPercent
                                      ? UnitFamily::Volume
                                      : info.units.family;
        if (info.units.kind != UnitListKind::Fixed && !percent_)
            convert_ = linearConversion(family, info.internalUnit, unitIndex);
    }

    double operator()(const RocketModel& m, const FlightSimulator& sim) const {
        switch (variable_) {
        case var::Acceleration:
            return convert_(m.acceleration);
        case var::AirPressure:
            return convert_(m.airPressure());
        case var::AirVolume:
            return percent_ ? m.airVolume() * 100 / m.bottleVolume : convert_(m.airVolume());
        case var::Height:
            return convert_(m.height);
        case var::LaunchRodForce:
            return sim.forceValues[RodPressureSlot];
        case var::Mass:
            return convert_(m.mass());
        case var::Thrust:
            return sim.forceValues[ThrustSlot];
        case var::Velocity:
            return convert_(m.velocity);
        case var::WaterLevel:
            return percent_ ? m.waterLevel * 100 : convert_(m.waterLevel * m.bottleVolume);
        case var::WindResistance:
            return sim.forceValues[DragSlot];
        default:
            return 0;
        }
    }

private:
    VariableId variable_;
    bool percent_ = false;
    LinearConversion convert_;
};

/// A result variable and its unit, resolved once per run.
class ResultRule {
public:
    ResultRule(VariableId variable, int unitIndex) : variable_(variable) {
        const VariableInfo& info = variableInfo(variable);
        if (info.units.kind == UnitListKind::Family)
            convert_ = linearConversion(info.units.family, info.internalUnit, unitIndex);
    }

    void operator()(double& result, const RocketModel& m, double t) const {
        switch (variable_) {
        case var::ApogeeTime:
            keepFirstTime(result, !(m.velocity > 0), t);
            break;
        case var::BurnoutTime:
            keepFirstTime(result, !(m.acceleration > 0), t);
            break;
        case var::ImpactVelocity:
            result = convert_(m.velocity);
            break;
        case var::MaxAcceleration:
            keepMax(result, convert_(m.acceleration));
            break;
        case var::MaxHeight:
            keepMax(result, convert_(m.height));
            break;
        case var::MaxVelocity:
            keepMax(result, convert_(m.velocity));
            break;
        case var::TimeAloft:
            result = t;
            break;
        default:
            break;
        }
    }

private:
    VariableId variable_;
    LinearConversion convert_;
};

/// Sets the progress bar only when its value changes; setting the same value is a no-op
/// for the host, and this keeps a virtual call off most steps.
class Progress {
public:
    explicit Progress(RunHost& host) : host_(host) {}
    void set(int percent) {
        if (percent != last_) {
            last_ = percent;
            host_.setProgress(percent);
        }
    }

private:
    RunHost& host_;
    int last_ = -1;
};

/// One unit per 0.1 s of flight, wrapping every 10 s: trunc(t × 10) mod 100.
class FlightClockProgress {
public:
    explicit FlightClockProgress(Progress& progress) : progress_(progress) {}
    void update(double t) {
        const double tenths = std::trunc(t * 10);
        if (tenths != lastTenths_) {
            lastTenths_ = tenths;
            progress_.set(static_cast<int>(std::fmod(tenths, 100.0)));
        }
    }

private:
    Progress& progress_;
    double lastTenths_ = -1;
};

/// One flight from the inputs. Recording a graph and tracking the flight's results for the
/// summary are separate instantiations, so that neither costs the other's loop anything.
template <bool Recording>
RunOutcome launchAnalysis(const RunSettings& s, const SimulationInputs& inputs, RunHost& host,
                          SampleSeries& series, double dt, const RunLimits& limits) {
    series.kind = SeriesKind::MinMaxBars;
    series.count = 0;
    series.flight = {};
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
                series.column1[std::size_t(series.count)] = heldMin;
                series.column2[std::size_t(series.count)] = heldMax;
                series.column3[std::size_t(series.count)] = t;
                ++series.count;
                stepsInBucket = 0;
            } else {
                ++stepsInBucket;
            }
        } else {
            updateFlightResults(results, model, t);
        }
        clock.update(t);
        host.pumpMessages();
        if (host.cancelRequested())
            return RunOutcome::Cancelled; // the unfinished bucket is not written
        if (t > limits.maxFlightTime)
            return RunOutcome::TimedOut;
    } while (model.height > 0 && series.count < kRecordLimit);

    if constexpr (Recording) {
        // Holds the unfinished bucket, or repeats the one the last step closed.
        series.column1[std::size_t(series.count)] = heldMin;
        series.column2[std::size_t(series.count)] = heldMax;
        series.column3[std::size_t(series.count)] = t;
        ++series.count;
    } else {
        series.flight = results;
    }
    return RunOutcome::Completed;
}

RunOutcome optimisation(const RunSettings& s, const SimulationInputs& inputs, RunHost& host,
                        SampleSeries& series, double dt, const RunLimits& limits) {
    const SweepPlan plan = makeSweepPlan(s, inputs);
    series.kind = plan.innerPoints == 1 ? SeriesKind::Line : SeriesKind::Surface;
    series.count = 0;
    const ResultRule rule(plan.resultVariable, plan.resultUnit);
    Progress progress(host);
    const int points = plan.points();

    for (int j = 0; j < kOuterPoints; ++j) {
        for (int i = 0; i < plan.innerPoints; ++i) {
            RocketModel model;
            plan.buildPoint(model, j, i);
            double result = 0.0, t = 0.0;
            FlightSimulator sim(model);
            do {
                t = t + dt;
                sim.step(dt);
                rule(result, model, t);
                host.pumpMessages();
                if (host.cancelRequested())
                    return RunOutcome::Cancelled;
                if (t > limits.maxFlightTime)
                    return RunOutcome::TimedOut;
            } while (model.height > 0);
            const auto k = std::size_t(series.count);
            series.column1[k] = plan.firstDisplay(j);
            series.column2[k] = plan.secondDisplay(i);
            series.column3[k] = result;
            ++series.count;
            progress.set(series.count * 100 / points);
        }
    }
    return RunOutcome::Completed;
}

} // namespace

double plotValue(VariableId variable, int unitIndex, const RocketModel& model,
                 const FlightSimulator& simulator) {
    return PlotReader(variable, unitIndex)(model, simulator);
}

void updateResult(double& result, VariableId variable, int unitIndex, const RocketModel& model,
                  double t) {
    ResultRule(variable, unitIndex)(result, model, t);
}

void updateFlightResults(FlightResults& r, const RocketModel& m, double t) {
    keepFirstTime(r.apogeeTime, !(m.velocity > 0), t);
    keepFirstTime(r.burnoutTime, !(m.acceleration > 0), t);
    r.impactVelocity = m.velocity;
    keepMax(r.maxAcceleration, m.acceleration);
    keepMax(r.maxHeight, m.height);
    keepMax(r.maxVelocity, m.velocity);
    r.timeAloft = t;
}

int runSimulation(const RunSettings& settings, const SimulationInputs& inputs, RunHost& host,
                  SampleSeries& series, const RunLimits& limits) {
    // The snapshot: the host may let the user edit the pages while the run pumps messages.
    const RunSettings s = settings;
    const SimulationInputs in = inputs;
    host.beginRun();
    series.outcome = RunOutcome::Completed;
    if (s.mode >= LaunchAnalysis && s.mode <= TwoVariableOptimization) {
        if (!checkInputs(s, in).empty()) {
            series.count = 0;
            series.outcome = RunOutcome::Refused;
        } else {
            const double dt = timeStep(s.precision);
            if (s.mode != LaunchAnalysis)
                series.outcome = optimisation(s, in, host, series, dt, limits);
            else if (s.launchDisplay == Graph)
                series.outcome = launchAnalysis<true>(s, in, host, series, dt, limits);
            else
                series.outcome = launchAnalysis<false>(s, in, host, series, dt, limits);
        }
    }
    host.endRun();
    return series.count;
}

double timeStep(int precision) {
    return std::pow(10.0, -precision);
}

int bucketLimit(double dt) {
    return static_cast<int>(0.01 / dt);
}

std::string_view precisionLabel(int precision) {
    static constexpr std::string_view labels[] = {
        "1/10th second",       "1/100th second", "1 millisecond",     "1/10th millisecond",
        "1/100th millisecond", "1 nanosecond",   "1/10th nanosecond", "1/100th nanosecond"};
    if (precision < kMinPrecision || precision > kMaxPrecision)
        return {};
    return labels[precision - kMinPrecision];
}

} // namespace hydrolofter
