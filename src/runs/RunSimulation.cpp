// Launch analysis and optimisation sweeps.
#include "RunSimulation.h"

#include "InputCheck.h"
#include "SweepPlan.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

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
        const VariableInfo& info = variableInfo(variable);
        // Index 5 is "%" only in the volume-or-percent list; elsewhere it is a unit
        // ("torr", "km/h^2").
        percent_ = info.units.kind == UnitListKind::VolumeOrPercent && unitIndex == kPercentUnit;
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

/// A flight whose state is not finite at its end has diverged: NaN ends the height test
/// and infinities turn into NaN within a step, so looking once at the end is enough.
bool finiteState(const RocketModel& m) {
    return std::isfinite(m.height) && std::isfinite(m.velocity) && std::isfinite(m.acceleration) &&
           std::isfinite(m.waterLevel);
}

bool finiteEntries(const SampleSeries& s) {
    for (int k = 0; k < s.count; ++k) {
        const auto i = std::size_t(k);
        if (!std::isfinite(s.column1[i]) || !std::isfinite(s.column2[i]) ||
            !std::isfinite(s.column3[i]))
            return false;
    }
    return true;
}

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
        if (t > options.maxFlightTime)
            return RunOutcome::TimedOut;
    } while (model.height > 0 && series.count < kRecordLimit);

    if (!finiteState(model))
        return RunOutcome::Diverged;
    if constexpr (Recording) {
        series.airborneAtEnd = model.height > 0;
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

void appendPoint(SampleSeries& series, const SweepPlan& plan, int k, double result) {
    const auto e = std::size_t(series.count);
    series.column1[e] = plan.firstDisplay(k / plan.innerPoints);
    series.column2[e] = plan.secondDisplay(k % plan.innerPoints);
    series.column3[e] = result;
    ++series.count;
}

/// One point after the other on the calling thread, pumping after every step.
RunOutcome serialSweep(const SweepPlan& plan, const ResultRule& rule, RunHost& host,
                       SampleSeries& series, double dt, const RunOptions& options) {
    Progress progress(host);
    const int points = plan.points();
    for (int k = 0; k < points; ++k) {
        double result = 0;
        const PointEnd end = flyPoint(plan, k / plan.innerPoints, k % plan.innerPoints, rule, dt,
                                      options.maxFlightTime, result, [&host] {
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

/// The points shared out among worker threads. The calling thread keeps the host's
/// conversation: it pumps, passes a cancel on and moves the progress bar as points finish.
class ParallelSweep {
public:
    ParallelSweep(const SweepPlan& plan, const ResultRule& rule, double dt,
                  const RunOptions& options)
        : plan_(plan), rule_(rule), dt_(dt), maxFlightTime_(options.maxFlightTime),
          results_(std::size_t(plan.points())), landed_(std::size_t(plan.points()), 0) {}

    /// Returns false when no worker thread could be started (nothing has been flown).
    bool run(RunHost& host, int threads, RunOutcome& outcome) {
        Progress progress(host);
        const int points = plan_.points();
        bool cancelled = false;
        {
            std::vector<std::jthread> workers;
            try {
                for (int w = 0; w < threads; ++w)
                    workers.emplace_back([this] { work(); });
            } catch (const std::system_error&) {
                if (workers.empty())
                    return false; // the caller flies the points itself
            }
            for (;;) {
                int finished;
                {
                    std::unique_lock lock(mutex_);
                    // Wake for a finished point, or often enough to keep the window alive.
                    changed_.wait_for(lock, std::chrono::milliseconds(2),
                                      [this, points] { return finished_ == points || stop_; });
                    finished = finished_;
                }
                progress.set(finished * 100 / points);
                if (finished == points || stop_)
                    break;
                host.pumpMessages();
                if (host.cancelRequested()) {
                    cancelled = true;
                    stop_ = true; // each worker stops after its current step
                    break;
                }
            }
        } // leaving the block joins the workers
        outcome = cancelled ? RunOutcome::Cancelled : failure_;
        return true;
    }

    /// The points flown, from the first up to the first one not flown.
    void copyTo(SampleSeries& series) const {
        for (int k = 0; k < plan_.points() && landed_[std::size_t(k)]; ++k)
            appendPoint(series, plan_, k, results_[std::size_t(k)]);
    }

private:
    void work() {
        for (;;) {
            const int k = next_.fetch_add(1);
            if (k >= plan_.points() || stop_.load(std::memory_order_relaxed))
                return;
            double result = 0;
            const PointEnd end = flyPoint(plan_, k / plan_.innerPoints, k % plan_.innerPoints,
                                          rule_, dt_, maxFlightTime_, result,
                                          [this] { return stop_.load(std::memory_order_relaxed); });
            if (end == PointEnd::Stopped)
                return;
            std::lock_guard lock(mutex_);
            if (end == PointEnd::TimedOut || end == PointEnd::Diverged) {
                failure_ = end == PointEnd::TimedOut ? RunOutcome::TimedOut : RunOutcome::Diverged;
                stop_ = true;
            } else {
                results_[std::size_t(k)] = result;
                landed_[std::size_t(k)] = 1;
                ++finished_;
            }
            changed_.notify_one();
            if (end != PointEnd::Landed)
                return;
        }
    }

    const SweepPlan& plan_;
    const ResultRule& rule_;
    const double dt_;
    const double maxFlightTime_;
    std::vector<double> results_;
    std::vector<char> landed_;
    std::atomic<int> next_{0};
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::condition_variable changed_;
    int finished_ = 0;                           ///< guarded by mutex_
    RunOutcome failure_ = RunOutcome::Completed; ///< guarded by mutex_; read after the join
};

int workerThreads(int requested, int points) {
    int threads = requested;
    if (threads <= 0)
        threads = int(std::max(1u, std::thread::hardware_concurrency()));
    return std::min(threads, points);
}

RunOutcome optimisation(const RunSettings& s, const SimulationInputs& inputs, RunHost& host,
                        SampleSeries& series, double dt, const RunOptions& options) {
    const SweepPlan plan = makeSweepPlan(s, inputs);
    series.kind = plan.innerPoints == 1 ? SeriesKind::Line : SeriesKind::Surface;
    series.count = 0;
    const ResultRule rule(plan.resultVariable, plan.resultUnit);
    const int threads = workerThreads(options.threads, plan.points());
    if (threads > 1) {
        ParallelSweep sweep(plan, rule, dt, options);
        RunOutcome outcome = RunOutcome::Completed;
        if (sweep.run(host, threads, outcome)) {
            sweep.copyTo(series);
            return outcome;
        }
    }
    return serialSweep(plan, rule, host, series, dt, options);
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
                  SampleSeries& series, const RunOptions& options) {
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
                series.outcome = optimisation(s, in, host, series, dt, options);
            else if (s.launchDisplay == Graph)
                series.outcome = launchAnalysis<true>(s, in, host, series, dt, options);
            else
                series.outcome = launchAnalysis<false>(s, in, host, series, dt, options);
            // A value that overflowed only on its way into the display unit shows here.
            if (series.outcome == RunOutcome::Completed && !finiteEntries(series))
                series.outcome = RunOutcome::Diverged;
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
        "1/10th second",       "1/100th second", "1 millisecond",      "1/10th millisecond",
        "1/100th millisecond", "1 microsecond",  "1/10th microsecond", "1/100th microsecond"};
    if (precision < kMinPrecision || precision > kMaxPrecision)
        return {};
    return labels[precision - kMinPrecision];
}

} // namespace hydrolofter
