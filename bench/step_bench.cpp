// Cost of one flight step: the simulator against a hand-fused step doing the same
// arithmetic; and of a whole launch analysis, its graph and its results.
#include "FusedFlight.h"
#include "model/FlightSimulator.h"
#include "runs/RunSimulation.h"
#include "units/Units.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstring>
#include <memory>

namespace {

using namespace hydrolofter;

/// The whole-flight rocket of the flight-model examples, from the exact converted defaults.
RocketModel defaultRocket() {
    RocketModel m;
    m.atmPressure = 1;
    m.atmTemperature = convertUnits(UnitFamily::Temperature, 70, unit::degF, unit::degC);
    m.updraft = 0;
    m.launchRodDiameter = 22;
    m.launchRodHeight = 15;
    m.waterLevel = 0.4;
    m.bottleDiameter = 110;
    m.bottleVolume = 2;
    m.dragCoefficient = 0.3;
    m.initialAirPressure = convertUnits(UnitFamily::Pressure, 60, unit::psi, unit::pascal);
    m.airTemperature = convertUnits(UnitFamily::Temperature, 60, unit::degF, unit::degC);
    m.emptyMass = 0.15;
    m.kamikaze = 1;
    m.parachuteCount = 1;
    m.parachuteArea = 0.7853981633974483;
    m.parachuteDragCoefficient = 1;
    m.parachuteDeployTime = 1;
    m.captureInitialAirVolume();
    return m;
}

struct FlightEnd {
    long steps = 0;
    double height = 0;
};

FlightEnd flySimulator(double dt) {
    RocketModel m = defaultRocket();
    FlightSimulator sim(m);
    FlightEnd end;
    do {
        sim.step(dt);
        ++end.steps;
    } while (m.height > 0);
    end.height = m.height;
    return end;
}

FlightEnd flyFused(double dt) {
    const FusedEnd e = flyFusedFlight(defaultRocket(), dt);
    return {e.steps, e.height};
}

constexpr double kDt = 1e-6;

bool sameFlight() {
    const FlightEnd s = flySimulator(kDt);
    const FlightEnd f = flyFused(kDt);
    return s.steps == f.steps && std::memcmp(&s.height, &f.height, sizeof(double)) == 0;
}

template <FlightEnd (*Fly)(double)> void flightStep(benchmark::State& state) {
    if (!sameFlight()) {
        state.SkipWithError("the fused step and the simulator disagree");
        return;
    }
    long steps = 0;
    for (auto _ : state) {
        const FlightEnd end = Fly(kDt);
        benchmark::DoNotOptimize(end.height);
        steps += end.steps;
    }
    state.counters["per_step"] = benchmark::Counter(double(steps), benchmark::Counter::kIsRate |
                                                                       benchmark::Counter::kInvert);
}

void BM_SimulatorStep(benchmark::State& state) {
    flightStep<flySimulator>(state);
}
void BM_FusedStep(benchmark::State& state) {
    flightStep<flyFused>(state);
}

BENCHMARK(BM_SimulatorStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FusedStep)->Unit(benchmark::kMillisecond);

/// A default launch analysis at 1 µs steps: its graph, its results, or both from one flight
/// (which must cost about what the graph alone does).
void launch(benchmark::State& state, bool graph, bool results) {
    RunSettings s;
    s.precision = 6;
    s.launchDisplay = graph ? Graph : Summary;
    RunOptions options;
    options.threads = 1;
    options.maxFlightTime = 3600;
    options.flightResults = results;
    QuietRunHost host;
    const auto series = std::make_unique<SampleSeries>();
    for (auto _ : state)
        benchmark::DoNotOptimize(runSimulation({s, SimulationInputs{}, options}, host, *series));
}
BENCHMARK_CAPTURE(launch, Graph, true, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(launch, Results, false, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(launch, GraphWithResults, true, true)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
