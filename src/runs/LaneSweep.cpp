// The points of a sweep flown several at a time in lock-step on one thread.
#include "Sweep.h"
#include "model/FlightLanes.h"

#include <climits>

namespace hydrolofter {
namespace {

constexpr int kLanes = FlightLanes::kLanes;
/// Steps between two questions to the queue: a few tens of microseconds of flight.
constexpr int kBlockSteps = 2048;

// The lanes' steps once for any x86-64 and once for AVX2, chosen when the program starts:
// the wider vectors hold all four lanes. Both give the same bits (no FMA is used).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define LANE_TARGETS __attribute__((target_clones("avx2", "default")))
#else
#define LANE_TARGETS
#endif

/// What a result rule reads of a lane after its step.
struct LaneState {
    double height;
    double velocity;
    double acceleration;
    double thrust;
    double stepImpulse;
    double burning;
};

template <class Rule> class LaneRun {
public:
    LaneRun(const SweepPlan& plan, Rule rule, double dt, double maxFlightTime, PointQueue& queue)
        : plan_(plan), rule_(rule), dt_(dt), maxFlightTime_(maxFlightTime), queue_(queue),
          lanes_(dt, plan.flightModel == ExtendedModel) {}

    bool run() {
        for (int l = 0; l < kLanes; ++l)
            refill(l);
        int budget = kBlockSteps;
        while (active_ > 0) {
            budget -= steps(budget);
            endFlights();
            if (budget == 0) {
                if (queue_.stopRequested())
                    return false;
                budget = kBlockSteps;
            }
        }
        return true;
    }

private:
    bool ended(const FlightLanes& lanes, int l, double t) const {
        return live_[l] && (t > maxFlightTime_ || !lanes.goesOn(l, t));
    }

    /// Steps all lanes until a live lane's flight has ended or n steps are done; returns
    /// the steps done. Works on local copies, which the compiler can keep in registers.
    LANE_TARGETS int steps(int n) {
        FlightLanes lanes = lanes_;
        double t[kLanes], result[kLanes];
        for (int l = 0; l < kLanes; ++l) {
            t[l] = t_[l];
            result[l] = result_[l];
        }
        int done = 0;
        bool any = false;
        while (done < n && !any) {
            for (int l = 0; l < kLanes; ++l)
                t[l] = t[l] + dt_;
            lanes.step();
            ++done;
            for (int l = 0; l < kLanes; ++l) {
                rule_(result[l],
                      LaneState{lanes.height(l), lanes.velocity(l), lanes.acceleration(l),
                                lanes.thrust(l), lanes.thrust(l) * dt_, lanes.burning(l)},
                      t[l]);
                any |= ended(lanes, l, t[l]);
            }
        }
        lanes_ = lanes;
        for (int l = 0; l < kLanes; ++l) {
            t_[l] = t[l];
            result_[l] = result[l];
        }
        return done;
    }

    void endFlights() {
        for (int l = 0; l < kLanes; ++l) {
            if (ended(lanes_, l, t_[l]))
                finish(l);
        }
    }

    void finish(int l) {
        const int k = point_[l];
        const PointEnd end =
            t_[l] > maxFlightTime_ ? PointEnd::TimedOut
            : std::isfinite(lanes_.height(l)) && std::isfinite(lanes_.velocity(l)) &&
                    std::isfinite(lanes_.acceleration(l)) && std::isfinite(lanes_.waterLevel(l)) &&
                    std::isfinite(result_[l])
                ? PointEnd::Landed
                : PointEnd::Diverged;
        retire(l);
        if (end == PointEnd::Landed) {
            queue_.landed(k, result_[l]);
        } else {
            queue_.failed(k, end);
            if (k < failedAt_) {
                failedAt_ = k;
                for (int o = 0; o < kLanes; ++o) {
                    if (live_[o] && point_[o] > k)
                        retire(o); // a later point cannot change how the run ends
                }
            }
        }
        refill(l);
    }

    void retire(int l) {
        lanes_.park(l);
        live_[l] = false;
        --active_;
    }

    void refill(int l) {
        const int k = failedAt_ == INT_MAX ? queue_.take() : -1;
        if (k < 0)
            return; // the lane keeps stepping its old rocket, unread
        RocketModel model;
        const auto [j, i] = plan_.point(k);
        plan_.buildPoint(model, j, i);
        lanes_.load(l, model);
        point_[l] = k;
        t_[l] = 0.0;
        result_[l] = 0.0;
        live_[l] = true;
        ++active_;
    }

    const SweepPlan& plan_;
    const Rule rule_;
    const double dt_;
    const double maxFlightTime_;
    PointQueue& queue_;
    FlightLanes lanes_;
    double t_[kLanes]{};
    double result_[kLanes]{};
    int point_[kLanes]{};
    bool live_[kLanes]{};
    int active_ = 0;
    int failedAt_ = INT_MAX; ///< the first point that failed here
};

} // namespace

bool flyLanes(const SweepPlan& plan, const ResultRule& rule, double dt, double maxFlightTime,
              PointQueue& queue) {
    bool finished = false;
    rule.visit(
        [&](auto r) { finished = LaneRun<decltype(r)>(plan, r, dt, maxFlightTime, queue).run(); });
    return finished;
}

void SweepResults::copyTo(SampleSeries& series, const SweepPlan& plan) const {
    for (int k = 0; k < plan.points() && landed_[std::size_t(k)]; ++k) {
        const auto e = std::size_t(series.count);
        const auto [j, i] = plan.point(k);
        series.column1[e] = plan.firstDisplay(j);
        series.column2[e] = plan.secondDisplay(i);
        series.column3[e] = results_[std::size_t(k)];
        ++series.count;
    }
}

} // namespace hydrolofter
