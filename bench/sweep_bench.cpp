// Throughput of an optimisation on one thread and on all: the lanes of the sweeps against
// flying the same points one after the other, with the simulator and with a fused step.
#include "FusedFlight.h"
#include "runs/RunSimulation.h"
#include "runs/Sweep.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <limits>

namespace {

using namespace hydrolofter;

/// The default two-variable optimisation (empty mass × water level, time aloft).
RunSettings twoVariables(int precision) {
    RunSettings s;
    s.mode = TwoVariableOptimization;
    s.precision = precision;
    return s;
}

/// Every point flown with the fused step: its results, and the steps of all flights.
struct FusedSweep {
    std::vector<double> results;
    long steps = 0;
};

FusedSweep flyFusedSweep(const SweepPlan& plan, double dt) {
    FusedSweep sweep;
    for (int k = 0; k < plan.points(); ++k) {
        RocketModel m;
        const auto [j, i] = plan.point(k);
        plan.buildPoint(m, j, i);
        const FusedEnd end = flyFusedFlight(m, dt);
        sweep.results.push_back(end.time);
        sweep.steps += end.steps;
    }
    return sweep;
}

SampleSeries& flySweep(int precision, int threads) {
    static SampleSeries series;
    QuietRunHost host;
    RunOptions options;
    options.threads = threads;
    runSimulation({twoVariables(precision), {}, options}, host, series);
    return series;
}

/// Flights steps of the run, and whether the lanes give the fused flights' results.
long checkedSteps(int precision, benchmark::State& state) {
    const SweepPlan plan = makeSweepPlan(twoVariables(precision), {});
    const FusedSweep fused = flyFusedSweep(plan, timeStep(precision));
    const SampleSeries& lanes = flySweep(precision, 1);
    if (lanes.count != plan.points() || std::memcmp(lanes.column3.data(), fused.results.data(),
                                                    sizeof(double) * fused.results.size()) != 0)
        state.SkipWithError("the lanes and the fused flights disagree");
    return fused.steps;
}

template <class Fly> void sweep(benchmark::State& state, Fly fly) {
    const int precision = int(state.range(0));
    const long steps = checkedSteps(precision, state);
    long total = 0;
    for (auto _ : state) {
        fly(precision);
        total += steps;
    }
    state.counters["per_step"] = benchmark::Counter(double(total), benchmark::Counter::kIsRate |
                                                                       benchmark::Counter::kInvert);
}

void BM_SweepFused(benchmark::State& state) {
    sweep(state, [](int precision) {
        const SweepPlan plan = makeSweepPlan(twoVariables(precision), {});
        benchmark::DoNotOptimize(flyFusedSweep(plan, timeStep(precision)).steps);
    });
}

void BM_SweepOneAtATime(benchmark::State& state) {
    sweep(state, [](int precision) {
        const SweepPlan plan = makeSweepPlan(twoVariables(precision), {});
        const ResultRule rule(plan.resultVariable, plan.resultUnit);
        const double dt = timeStep(precision);
        for (int k = 0; k < plan.points(); ++k) {
            double result = 0;
            const auto [j, i] = plan.point(k);
            flyPoint(plan, j, i, rule, dt, std::numeric_limits<double>::infinity(), result,
                     [] { return false; });
            benchmark::DoNotOptimize(result);
        }
    });
}

void BM_SweepLanes(benchmark::State& state) {
    sweep(state, [](int precision) { benchmark::DoNotOptimize(flySweep(precision, 1).count); });
}

void BM_SweepLanesAllThreads(benchmark::State& state) {
    sweep(state, [](int precision) { benchmark::DoNotOptimize(flySweep(precision, 0).count); });
}

/// The 121 points at precision 5 on one thread, with the classic (0) and the extended (1)
/// flight model: the extended step's cost against the classic one's.
void BM_SweepLanesModel(benchmark::State& state) {
    RunSettings s = twoVariables(5);
    s.flightModel = int(state.range(0));
    static SampleSeries series;
    QuietRunHost host;
    RunOptions options;
    options.threads = 1;
    for (auto _ : state) {
        runSimulation({s, {}, options}, host, series);
        if (series.count != 121)
            state.SkipWithError("the sweep did not finish");
    }
}

BENCHMARK(BM_SweepLanesModel)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();
BENCHMARK(BM_SweepFused)
    ->Arg(5)
    ->Arg(6)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();
BENCHMARK(BM_SweepOneAtATime)
    ->Arg(5)
    ->Arg(6)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();
BENCHMARK(BM_SweepLanes)
    ->Arg(5)
    ->Arg(6)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();
BENCHMARK(BM_SweepLanesAllThreads)
    ->Arg(5)
    ->Arg(6)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
