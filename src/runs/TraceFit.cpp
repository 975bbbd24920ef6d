#include "TraceFit.h"

#include "FieldTable.h"
#include "InputCheck.h"
#include "JoinedThreads.h"
#include "RunSupport.h"
#include "units/NumberText.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <functional>
#include <system_error>
#include <thread>

namespace hydrolofter {
namespace {

/// The host of a flight on a scan's worker thread: it stops when the calling thread says so.
class StopHost final : public RunHost {
public:
    explicit StopHost(const std::atomic<bool>& stop) : stop_(stop) {}
    void beginRun() override {}
    void setProgress(int) override {}
    bool cancelRequested() override { return stop_.load(std::memory_order_relaxed); }
    void endRun() override {}

private:
    const std::atomic<bool>& stop_;
};

/// Flies fly(value, host) for every value, on up to threads threads (0: one per hardware
/// thread). The calling thread keeps the host's conversation: it passes a cancel on and
/// counts finished flights into done. Each flight is the same to the bit on any thread.
template <class Fly>
std::vector<TraceComparison> flyAll(const std::vector<double>& values, int threads, RunHost& host,
                                    Fly fly, const std::function<void(int)>& done) {
    const int n = int(values.size());
    std::vector<TraceComparison> out(values.size());
    std::atomic<int> next{0}, finished{0};
    std::atomic<bool> stop{false};
    auto work = [&] {
        StopHost own(stop);
        for (int i; (i = next.fetch_add(1)) < n && !stop.load();) {
            out[std::size_t(i)] = fly(values[std::size_t(i)], own);
            if (out[std::size_t(i)].outcome != RunOutcome::Completed)
                stop = true;
            ++finished;
        }
    };
    if (threads <= 0)
        threads = int(std::max(1u, std::thread::hardware_concurrency()));
    {
        JoinedThreads workers;
        try {
            for (int w = 0; w < std::min(threads, n); ++w)
                workers.start(work);
        } catch (const std::system_error&) {
            if (workers.empty())
                work(); // no thread to be had: fly them here
        }
        for (int seen = 0; seen < n && !stop.load();) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            if (host.cancelRequested())
                stop = true;
            if (const int f = finished.load(); f != seen)
                done(f - seen), seen = f;
        }
    } // leaving the block joins the workers
    if (stop.load() && host.cancelRequested())
        for (TraceComparison& c : out)
            c.outcome = RunOutcome::Cancelled;
    return out;
}

} // namespace

FitRequest defaultFitRange(VariableId input, double value) {
    if (value == 0)
        return {input, -1, 1};
    return {input, std::min(value / 4, value * 4), std::max(value / 4, value * 4)};
}

bool fittable(VariableId input) {
    const Field* f = sweptField(input);
    return f && std::holds_alternative<InputNumber>(f->member);
}

namespace {

constexpr int kScanPoints = 11;   // the range's best tenth, found before narrowing in
constexpr int kMaxNarrowing = 40; // golden-section steps; the tolerance ends it sooner
constexpr int kFlights = 1 + kScanPoints + 2 + kMaxNarrowing;

SimulationInputs withValue(const SimulationInputs& inputs, InputNumber member, double v) {
    SimulationInputs changed = inputs;
    changed.*member = v;
    return changed;
}

/// Why a fit cannot start, or nothing.
std::string fitRefusal(const SimulationInputs& inputs, const RunSettings& settings,
                       const MeasuredTrace& trace, const FitRequest& request) {
    if (!fittable(request.input))
        return "Only an input that takes any number can be fitted.";
    if (!std::isfinite(request.from) || !std::isfinite(request.to) || !(request.from < request.to))
        return "The range must run from a smaller number to a larger one.";
    if (std::min(trace.time.size(), trace.height.size()) < 2)
        return "The measured flight holds fewer than two samples.";
    const InputNumber member = std::get<InputNumber>(sweptField(request.input)->member);
    for (const double v : {inputs.*member, request.from, request.to}) {
        const std::vector<std::string> problems =
            checkInputs(settings, withValue(inputs, member, v));
        if (!problems.empty())
            return "With " + formatShort(v) + ": " + problems.front();
    }
    return {};
}

/// The search: the flight as it stands, a scan of the range, then golden sections.
class FitSearch {
public:
    FitSearch(const SimulationInputs& inputs, const RunSettings& settings,
              const MeasuredTrace& trace, const FitRequest& request, RunHost& host,
              double maxFlightTime, int threads)
        : inputs_(inputs), trace_(trace), request_(request), host_(host),
          maxFlightTime_(maxFlightTime), threads_(threads),
          member_(std::get<InputNumber>(sweptField(request.input)->member)), settings_(settings),
          progress_(host), bestValue_(request.from) {}

    FitResult run() {
        if (!rmsAt(inputs_.*member_, r_.rmsBefore))
            return r_;
        bestRms_ = std::numeric_limits<double>::infinity(); // the answer lies in the range
        int best = 0;
        if (!scan(best) || !narrow(best))
            return r_;
        r_.value = bestValue_;
        r_.rmsAfter = bestRms_;
        return r_;
    }

private:
    TraceComparison fly(double v, RunHost& host) const {
        return flyAgainstTraceQuietly(withValue(inputs_, member_, v), settings_, trace_, host,
                                      maxFlightTime_);
    }

    bool rmsAt(double v, double& rms) {
        const TraceComparison c = fly(v, host_);
        progress_.set(std::min(100, ++r_.flights * 100 / kFlights));
        r_.outcome = c.outcome;
        rms = c.figures.rms;
        if (c.outcome == RunOutcome::Completed && rms < bestRms_) {
            bestRms_ = rms;
            bestValue_ = v;
        }
        return c.outcome == RunOutcome::Completed;
    }

    /// The scan's flights are independent: they fly side by side.
    bool scan(int& best) {
        const double width = request_.to - request_.from;
        std::vector<double> points;
        for (int i = 0; i < kScanPoints; ++i)
            points.push_back(request_.from + width * i / (kScanPoints - 1));
        const std::vector<TraceComparison> scanned = flyAll(
            points, threads_, host_, [&](double v, RunHost& own) { return fly(v, own); },
            [&](int more) { progress_.set(std::min(100, (r_.flights += more) * 100 / kFlights)); });
        for (int i = 0; i < kScanPoints; ++i) {
            const TraceComparison& c = scanned[std::size_t(i)];
            if (c.outcome != RunOutcome::Completed) {
                r_.outcome = c.outcome;
                return false;
            }
            if (c.figures.rms < bestRms_) {
                bestRms_ = c.figures.rms;
                bestValue_ = points[std::size_t(i)];
                best = i;
            }
        }
        return true;
    }

    /// Golden-section search between the best scanned point's neighbours.
    bool narrow(int best) {
        const double width = request_.to - request_.from;
        const double ratio = (std::sqrt(5.0) - 1) / 2;
        double a = request_.from + width * std::max(best - 1, 0) / (kScanPoints - 1);
        double b = request_.from + width * std::min(best + 1, kScanPoints - 1) / (kScanPoints - 1);
        double c = b - ratio * (b - a), d = a + ratio * (b - a);
        double fc = 0, fd = 0;
        if (!rmsAt(c, fc) || !rmsAt(d, fd))
            return false;
        for (int k = 0; k < kMaxNarrowing && b - a > width * 1e-7; ++k) {
            if (fc < fd) {
                b = d;
                d = c;
                fd = fc;
                c = b - ratio * (b - a);
                if (!rmsAt(c, fc))
                    return false;
            } else {
                a = c;
                c = d;
                fc = fd;
                d = a + ratio * (b - a);
                if (!rmsAt(d, fd))
                    return false;
            }
        }
        return true;
    }

    const SimulationInputs& inputs_;
    const MeasuredTrace& trace_;
    const FitRequest& request_;
    RunHost& host_;
    double maxFlightTime_;
    int threads_;
    InputNumber member_;
    RunSettings settings_;
    Progress progress_;
    FitResult r_;
    double bestValue_;
    double bestRms_ = std::numeric_limits<double>::infinity();
};

} // namespace

FitResult fitToTrace(const SimulationInputs& inputs, const RunSettings& settings,
                     const MeasuredTrace& trace, const FitRequest& request, RunHost& host,
                     double maxFlightTime, int threads) {
    if (std::string why = fitRefusal(inputs, settings, trace, request); !why.empty()) {
        FitResult r;
        r.outcome = RunOutcome::Refused;
        r.refusal = std::move(why);
        return r;
    }
    FitResult r = FitSearch(inputs, settings, trace, request, host, maxFlightTime, threads).run();
    r.thrust = trace.thrust;
    return r;
}

std::vector<std::string> fitLines(const FitResult& fit, const std::string& name, int heightUnit) {
    const std::string what = fit.thrust ? "RMS force difference " : "RMS height difference ";
    return {name + ": " + formatShort(fit.value),
            what + "before: " + differenceText(fit.rmsBefore, fit.thrust, heightUnit),
            what + "after: " + differenceText(fit.rmsAfter, fit.thrust, heightUnit)};
}

std::string fitQuestion(const FitResult& fit, const FitRequest& request) {
    const Field& f = *sweptField(request.input);
    std::string text;
    for (const std::string& line :
         fitLines(fit, std::string(variableInfo(request.input).name), unit::m))
        text += line + '\n';
    const char* page = f.group == FieldGroup::Rocket        ? "Rocket"
                       : f.group == FieldGroup::Environment ? "Environment"
                                                            : "Launch";
    return text + "\nPut " + formatShort(fit.value) + " into the " + page + " page?";
}

double shownValue(const FitResult& fit) {
    return parseDecimal(formatShort(fit.value)).value_or(fit.value);
}

} // namespace hydrolofter
