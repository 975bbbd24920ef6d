// The extended flight model against textbook physics: its reduction to the classic step,
// the choked-flow constant, the jet's momentum and energy against the air's work, the
// pulse's thrust where the flow unchokes, and flights on and off the test stand.
#include "model/ExtendedStep.h"
#include "model/FlightSimulator.h"
#include "runs/RunSimulation.h"
#include "support/RecordingHost.h"
#include "support/WorkedRocket.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace hydrolofter {
namespace {

/// Steps a loop here may take, so that a fault that keeps the water in fails the test.
constexpr int kStepCap = 1000000;

double relative(double a, double b) {
    return std::fabs(a - b) / std::max(std::fabs(b), 1e-300);
}

RocketModel extendedRocket(double waterLevel) {
    RocketModel m = test::workedRocket();
    m.flightModel = ExtendedModel;
    m.nozzleDiameter = 22;
    m.waterLevel = waterLevel;
    m.captureInitialAirVolume();
    return m;
}

TEST(ExtendedModel, WithTheClassicNozzleAndAirItFliesTheClassicWaterPhase) {
    RocketModel m = extendedRocket(0.4);
    m.launchRodHeight = 0; // no tube to expand
    m.captureInitialAirVolume();
    flight::Rocket<double> r;
    r.load(0, m);
    r.flowArea = r.nozzleSquare * 1e-6; // the classic bore: its radius squared, no π
    r.nozzleDivisor = r.jetDivisor;
    r.exponent = 1;             // isothermal
    r.pulseEndMass = r.airMass; // no air pulse
    flight::State<double> classic{m.height, m.velocity, 0, m.waterLevel, 0, m.airMass};
    flight::State<double> extended = classic;
    const double dt = 1e-5;
    int steps = 0;
    for (; steps < kStepCap; ++steps) {
        const double classicThrust = flight::step(r, classic, dt, dt * 1000).thrust;
        if (classic.waterLevel == 0)
            break; // the last drop: the classic step does not clamp it, the extended one does
        const double extendedThrust = flight::extendedStep(r, extended, dt).thrust;
        ASSERT_LT(relative(extendedThrust, classicThrust), 1e-12) << "step " << steps;
        ASSERT_LT(relative(extended.waterLevel, classic.waterLevel), 1e-12) << "step " << steps;
        ASSERT_LT(relative(extended.velocity, classic.velocity), 1e-12) << "step " << steps;
        ASSERT_LT(relative(extended.height, classic.height), 1e-12) << "step " << steps;
    }
    EXPECT_GT(steps, 10000); // the whole water phase was compared
}

TEST(ExtendedModel, ChokedAirFlowFollowsTheTextbook) {
    // The bottle without water at 60 PSI: over the critical ratio of γ = 1.4 (1.8929).
    const RocketModel m = extendedRocket(0);
    flight::Rocket<double> r;
    r.load(0, m);
    const double p = r.pulsePressure, t = r.pulseTemperature, area = r.flowArea;
    double air = r.airMass;
    const double dt = 1e-9;
    const double thrust = flight::airPulse(r, true, p, air, dt);
    // Textbook values for γ = 1.4: ṁ* = 0.6847 p A / √(R T), T* = 0.8333 T, p* = 0.5283 p.
    const double flow = 0.6847 * p * area / std::sqrt(r.gasConstant * t);
    const double speed = std::sqrt(1.4 * r.gasConstant * 0.8333 * t);
    EXPECT_NEAR((r.airMass - air) / dt / flow, 1, 1e-4);
    EXPECT_NEAR(thrust / (flow * speed + (0.5283 * p - r.atmPascals) * area), 1, 1e-4);

    // Where the flow unchokes the exit is at ambient pressure from both sides: no jump.
    double thrustAbove = 0, thrustBelow = 0;
    for (double side : {1 + 1e-6, 1 - 1e-6}) { // about p / p_atm = 1.2^3.5
        air = r.airMass;
        (side > 1 ? thrustAbove : thrustBelow) =
            flight::airPulse(r, true, r.atmPascals * 1.892929 * side, air, dt);
    }
    EXPECT_NEAR(thrustAbove / thrustBelow, 1, 1e-4);
}

TEST(ExtendedModel, OnTheStandTheJetCarriesTheAirsWorkAndMomentum) {
    RocketModel m = extendedRocket(0.4); // n = 1.4
    m.testStand = 1;
    m.launchRodHeight = 0;
    m.captureInitialAirVolume();
    FlightSimulator sim(m);
    const double rho = m.waterDensity, g = -m.gravity, atm = kPascalsPerAtm * m.atmPressure;
    const double areaRatio = (11.0 * 11.0) / (55.0 * 55.0); // nozzle ÷ bottle, same π
    const double v0 = m.initialAirVolume * 0.001, v1 = m.bottleVolume * 0.001; // m³
    const double p0 = m.initialAirPressure, h0 = m.waterColumnHeight();
    const double dt = 1e-6;
    double impulse = 0, momentum = 0, energy = 0;
    for (int k = 0; k < kStepCap && m.waterLevel > 0; ++k) {
        const double p = m.airPressure(), column = m.waterColumnHeight();
        const double before = m.waterLevel;
        sim.step(dt);
        const double dm = rho * (before - m.waterLevel) * m.bottleVolume * 0.001; // kg
        const double f = sim.forceValues[ThrustSlot];
        // Bernoulli with the surface moving down the bottle.
        const double u =
            std::sqrt(2 * (p - atm + rho * g * column) / (rho * (1 - areaRatio * areaRatio)));
        impulse += f * dt;
        momentum += u * dm;
        energy += 0.5 * dm * u * u * (1 - areaRatio * areaRatio);
    }
    ASSERT_EQ(m.waterLevel, 0);
    EXPECT_NEAR(impulse / momentum, 1, 1e-9);
    // The polytropic air's work less the atmosphere's, and the water column's fall.
    const double work = p0 * v0 / 0.4 * (1 - std::pow(v0 / v1, 0.4)) - atm * (v1 - v0) +
                        rho * g * (v1 - v0) * h0 / 2;
    EXPECT_NEAR(energy / work, 1, 2e-3);
}

struct Fired {
    std::unique_ptr<SampleSeries> series = std::make_unique<SampleSeries>();
    double result(VariableId v) const { return series->flight[v]; }
};

Fired fire(int flightModel, double water, int stand) {
    RunSettings s;
    s.flightModel = flightModel;
    s.launchDisplay = Summary;
    s.precision = 5;
    SimulationInputs in;
    in.waterAmount = water;
    in.testStand = stand;
    RunOptions o;
    o.maxFlightTime = 100; // bounded: a rocket that never lands fails instead of hanging
    o.threads = 1;
    Fired f;
    test::RecordingHost host;
    runSimulation({s, in, o}, host, *f.series);
    EXPECT_EQ(f.series->outcome, RunOutcome::Completed);
    return f;
}

TEST(ExtendedModel, AStandHoldsTheRocketAndAnAirOnlyRocketFlies) {
    for (int model : {ClassicModel, ExtendedModel}) {
        const Fired held = fire(model, 40, 1);
        EXPECT_EQ(held.result(var::MaxHeight), 0) << model;
        EXPECT_EQ(held.result(var::MaxVelocity), 0) << model;
        EXPECT_GT(held.result(var::TotalImpulse), 10) << model;
        // The run ends with the thrust: burnout is its last step.
        EXPECT_EQ(held.result(var::BurnoutTime), held.result(var::TimeAloft)) << model;
        EXPECT_LT(held.result(var::TimeAloft), 1) << model;
    }
    const Fired air = fire(ExtendedModel, 0, 0);
    EXPECT_GT(air.result(var::MaxHeight), 1);
    EXPECT_GT(air.result(var::TotalImpulse), 0.5);
}

} // namespace
} // namespace hydrolofter
