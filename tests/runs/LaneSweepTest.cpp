// The sweeps fly their points in lanes; every result must be the one-flight simulator's,
// bit for bit, whatever the points do and however many threads share them.
#include "runs/RunSimulation.h"
#include "runs/Sweep.h"
#include "support/RecordingHost.h"

#include <cstring>
#include <gtest/gtest.h>
#include <memory>

namespace hydrolofter {
namespace {

constexpr double kMaxFlightTime = 600; // every rocket here lands within a minute

/// The series the sweep must give: each point flown alone on a FlightSimulator.
std::unique_ptr<SampleSeries> pointByPoint(const RunSettings& s, const SimulationInputs& in) {
    const SweepPlan plan = makeSweepPlan(s, in);
    const ResultRule rule(plan.resultVariable, plan.resultUnit);
    auto series = std::make_unique<SampleSeries>();
    for (int k = 0; k < plan.points(); ++k) {
        const auto [j, i] = plan.point(k);
        double result = 0;
        const PointEnd end = flyPoint(plan, j, i, rule, timeStep(s.precision), kMaxFlightTime,
                                      result, [] { return false; });
        EXPECT_EQ(end, PointEnd::Landed) << "point " << k;
        const auto e = std::size_t(k);
        series->column1[e] = plan.firstDisplay(j);
        series->column2[e] = plan.secondDisplay(i);
        series->column3[e] = result;
        series->count = k + 1;
    }
    return series;
}

/// A flight alone: whether its jet stopped off the rod with water still in the bottle.
bool jetStopsWithWaterLeft(const RunSettings& s, const SimulationInputs& in, int j, int i) {
    const SweepPlan plan = makeSweepPlan(s, in);
    RocketModel m;
    plan.buildPoint(m, j, i);
    FlightSimulator sim(m);
    const double dt = timeStep(s.precision);
    bool stopped = false;
    double t = 0;
    do {
        t = t + dt;
        sim.step(dt);
        stopped = stopped ||
                  (m.rodEngagement() == 0 && m.waterLevel > 0 && sim.forceValues[ThrustSlot] == 0);
    } while (m.height > 0 && t < kMaxFlightTime);
    return stopped;
}

struct Case {
    const char* name;
    RunSettings settings;
    SimulationInputs inputs;
};

std::vector<Case> cases() {
    std::vector<Case> all;
    RunSettings one;
    one.mode = OneVariableOptimization;
    one.precision = 3;
    RunSettings two;
    two.mode = TwoVariableOptimization;
    two.precision = 3;

    Case c{"bottle volume, max height in ft", one, {}};
    c.settings.oneVarIndependent = var::BottleVolume;
    c.settings.oneVarIndependentUnit = unit::litre;
    c.settings.oneVarRangeFrom = 0.5;
    c.settings.oneVarRangeTo = 3;
    c.settings.oneVarDependent = var::MaxHeight;
    c.settings.oneVarDependentUnit = 0;
    all.push_back(c);

    // The default surface: empty mass against water level, time aloft.
    all.push_back({"empty mass x water level, time aloft", two, {}});

    c = {"bottle volume x water level in L, max velocity in MPH", two, {}};
    c.inputs.waterAmount = 0.8;
    c.inputs.waterAmountUnit = unit::litre;
    c.settings.xAxisVariable = var::BottleVolume;
    c.settings.xAxisUnit = unit::litre;
    c.settings.xRangeFrom = 1;
    c.settings.xRangeTo = 3;
    c.settings.twoVarDependent = var::MaxVelocity;
    c.settings.twoVarDependentUnit = 3;
    all.push_back(c);

    // Parachutes that open over a deploy time (the opening curve) or at once (0 s).
    c = {"parachutes, deploy time x empty mass, impact velocity", two, {}};
    c.inputs.kamikaze = 0;
    c.settings.xAxisVariable = var::ParDeployTime;
    c.settings.xAxisUnit = 0;
    c.settings.xRangeFrom = 0;
    c.settings.xRangeTo = 2;
    c.settings.yAxisVariable = var::EmptyMass;
    c.settings.yAxisUnit = unit::gram;
    c.settings.yRangeFrom = 100;
    c.settings.yRangeTo = 400;
    c.settings.twoVarDependent = var::ImpactVelocity;
    c.settings.twoVarDependentUnit = 2;
    all.push_back(c);

    // A weak charge over much water: the air falls below ambient with water left.
    c = {"pressure cut-off, water level, burnout time", one, {}};
    c.inputs.initialPressure = 40;
    c.settings.oneVarIndependent = var::InitialWaterLevel;
    c.settings.oneVarIndependentUnit = kPercentUnit;
    c.settings.oneVarRangeFrom = 50;
    c.settings.oneVarRangeTo = 90;
    c.settings.oneVarDependent = var::BurnoutTime;
    all.push_back(c);

    // From a short hop to a long climb: lanes land at very different times.
    c = {"launch pressure, max acceleration and apogee time", two, {}};
    c.settings.xAxisVariable = var::InitialAirPressure;
    c.settings.xAxisUnit = unit::psi;
    c.settings.xRangeFrom = 16;
    c.settings.xRangeTo = 150;
    c.settings.yAxisVariable = var::EmptyMass;
    c.settings.yAxisUnit = unit::gram;
    c.settings.yRangeFrom = 50;
    c.settings.yRangeTo = 2000;
    c.settings.twoVarDependent = var::MaxAcceleration;
    c.settings.twoVarDependentUnit = 0;
    all.push_back(c);
    c.name = "launch pressure, apogee time";
    c.settings.twoVarDependent = var::ApogeeTime;
    all.push_back(c);
    // The extended model: its pulse, tube and nozzle in the lanes, flying and on the stand.
    c.name = "extended: launch pressure x empty mass, burnout time";
    c.settings.flightModel = ExtendedModel;
    c.settings.twoVarDependent = var::BurnoutTime;
    all.push_back(c);
    c = {"extended on the stand: water x nozzle, total impulse", two, {}};
    c.settings.flightModel = ExtendedModel;
    c.inputs.testStand = 1;
    c.settings.xAxisVariable = var::InitialWaterLevel;
    c.settings.xAxisUnit = kPercentUnit;
    c.settings.xRangeFrom = 0;
    c.settings.xRangeTo = 90;
    c.settings.yAxisVariable = var::NozzleDiameter;
    c.settings.yAxisUnit = unit::mm;
    c.settings.yRangeFrom = 5;
    c.settings.yRangeTo = 40;
    c.settings.twoVarDependent = var::TotalImpulse;
    all.push_back(c);
    c.name = "extended: water x expansion exponent, max thrust";
    c.inputs.testStand = 0;
    c.settings.yAxisVariable = var::ExpansionExponent;
    c.settings.yAxisUnit = 0;
    c.settings.yRangeFrom = 1;
    c.settings.yRangeTo = 1.4;
    c.settings.twoVarDependent = var::MaxThrust;
    all.push_back(c);
    return all;
}

bool sameSeries(const SampleSeries& a, const SampleSeries& b) {
    if (a.count != b.count)
        return false;
    const auto bytes = sizeof(double) * std::size_t(a.count);
    return std::memcmp(a.column1.data(), b.column1.data(), bytes) == 0 &&
           std::memcmp(a.column2.data(), b.column2.data(), bytes) == 0 &&
           std::memcmp(a.column3.data(), b.column3.data(), bytes) == 0;
}

TEST(LaneSweep, EveryResultIsTheOneFlightSimulatorsOnEveryThreadCount) {
    for (const Case& c : cases()) {
        const auto expected = pointByPoint(c.settings, c.inputs);
        for (int threads = 1; threads <= 8; ++threads) {
            test::RecordingHost host;
            SampleSeries series;
            RunOptions options;
            options.threads = threads;
            options.maxFlightTime = kMaxFlightTime;
            runSimulation({c.settings, c.inputs, options}, host, series);
            EXPECT_EQ(series.outcome, RunOutcome::Completed) << c.name << ", " << threads;
            EXPECT_TRUE(sameSeries(*expected, series)) << c.name << ", " << threads << " threads";
        }
    }
}

TEST(LaneSweep, TheCasesReachTheBranchesTheyAreMeantFor) {
    // Guards the table above: the cut-off case does stop its jet with water left, and
    // the launch-pressure case spans flights of very different lengths.
    const auto all = cases();
    EXPECT_TRUE(jetStopsWithWaterLeft(all[4].settings, all[4].inputs, 10, 0));
    RunSettings aloft = all[5].settings;
    aloft.twoVarDependent = var::TimeAloft;
    const auto times = pointByPoint(aloft, all[5].inputs);
    double shortest = times->column3[0], longest = shortest;
    for (std::size_t k = 0; k < std::size_t(times->count); ++k) {
        shortest = std::min(shortest, times->column3[k]);
        longest = std::max(longest, times->column3[k]);
    }
    EXPECT_GT(longest, 5 * shortest);
}

} // namespace
} // namespace hydrolofter
