// Cost of one flight step: the simulator against a hand-fused step doing the same arithmetic.
#include "model/FlightSimulator.h"
#include "units/Units.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstring>

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

/// Every operation of the seven components and the integration, written out in one loop
/// on local copies, in the same order: the floor for what a step can cost.
FlightEnd flyFused(double dt) {
    const RocketModel r = defaultRocket();
    const double pi = kPi;
    const double g = r.gravity, rho = r.waterDensity, molar = r.airMolarMass;
    const double atm = r.atmPressure, atmT = r.atmTemperature, updraft = r.updraft;
    const double rodD = r.launchRodDiameter, rodH = r.launchRodHeight;
    const double bottleD = r.bottleDiameter, bottleV = r.bottleVolume, cd = r.dragCoefficient;
    const double p0 = r.initialAirPressure, v0 = r.initialAirVolume, airT = r.airTemperature;
    const double empty = r.emptyMass;
    const int kamikaze = r.kamikaze, count = r.parachuteCount;
    const double chuteArea = r.parachuteArea, chuteCd = r.parachuteDragCoefficient;
    const double deploy = r.parachuteDeployTime;
    double h = r.height, a = r.acceleration, v = r.velocity, level = r.waterLevel;
    double opening = 0;
    FlightEnd end;
    do {
        const double rodR = rodD * 0.0005;
        const double rodArea = pi * (rodR * rodR);
        const double bodyR = bottleD * 0.0005;
        const double bodyArea = pi * (bodyR * bodyR);
        const double aad = atm * molar / ((atmT + 273.15) * 0.0820568) * 1000;
        double eng = rodH - 1000 * h;
        if (eng <= 0)
            eng = 0;
        const double internal = bottleV - rodArea * rodH;
        double total = 0;
        // buoyancy
        total = total + (level > 0 ? -0.001 * internal * aad * g : 0);
        // rod pressure
        const double airP = level == 0 ? 101325 * atm : p0 * v0 / (internal - bottleV * level);
        total = total + (eng > 0 ? airP * rodArea : 0);
        // rod atmosphere
        total = total + (eng > 0 ? -(rodArea * atm * 101325) : 0);
        // drag
        const double rel = v - updraft;
        const double dragM = 0.5 * aad * bodyArea * (rel * rel) * cd;
        total = total + (rel > 0 ? -dragM : dragM);
        // weight
        const double massBefore =
            level > 0 ? empty + bottleV * level * rho * 0.001 +
                            p0 / 101325 * molar / ((airT + 273.15) * 0.0820568) * 1000 * v0 * 0.001
                      : empty;
        total = total + massBefore * g;
        // thrust
        double thrust = 0;
        if (level != 0 && !(eng > 0)) {
            const double rn = 0.5 * rodD, rb = 0.5 * bottleD;
            const double an = rn * rn, ab = rb * rb;
            const double column = bottleV * level * 1000 / (pi * (rb * rb));
            const double head = column * (a - g) * rho;
            const double dp = airP - 101325 * atm + head;
            if (dp >= 0) {
                const double ratio = an / ab;
                const double u = std::sqrt(2 * dp / (rho * (1 - ratio * ratio)));
                const double dv = u * an * dt * 0.001;
                level = level - dv / bottleV;
                if (level < 0)
                    level = 0;
                thrust = dv * rho * u / (dt * 1000);
            }
        }
        total = total + thrust;
        // parachute
        double chute = 0;
        if (kamikaze == 0) {
            double s = 0;
            bool acts = true;
            if (deploy <= 0) {
                acts = v < 0;
                s = 1;
            } else if (opening < deploy && v < 0) {
                opening = opening + dt;
                s = std::pow(opening / deploy, 10);
                if (s > 1)
                    s = 1;
            } else if (opening >= deploy) {
                s = 1;
            }
            if (acts) {
                const double w = updraft - v;
                const double m = 0.5 * aad * (w * w) * count * chuteCd * chuteArea * s;
                chute = w > 0 ? m : -m;
            }
        }
        total = total + chute;
        const double massAfter =
            level > 0 ? empty + bottleV * level * rho * 0.001 +
                            p0 / 101325 * molar / ((airT + 273.15) * 0.0820568) * 1000 * v0 * 0.001
                      : empty;
        a = total / massAfter;
        v = v + dt * a;
        h = h + dt * v;
        ++end.steps;
    } while (h > 0);
    end.height = h;
    return end;
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

} // namespace

BENCHMARK_MAIN();
