// The run driver: launch analysis buckets and limits, sweeps, progress and cancel.
#include "runs/RunSimulation.h"
#include "runs/SweepPlan.h"
#include "support/Printed.h"
#include "support/RecordingHost.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <memory>

namespace hydrolofter {
namespace {

using test::matchesPrinted;
using test::RecordingHost;

struct RunResult {
    std::unique_ptr<SampleSeries> series = std::make_unique<SampleSeries>();
    RecordingHost host;
    int count = 0;
};

/// Sweeps are flown one point after the other unless a test asks for threads: the step
/// and cancel-question counts below are those of the serial run.
RunOptions serial() {
    RunOptions o;
    // Bounded, so that a fault that keeps a rocket up fails instead of hanging: the
    // longest flight here is the record-limit one, 1638.4 s at a tenth of a second a step.
    o.maxFlightTime = 2000;
    o.threads = 1;
    return o;
}

std::unique_ptr<RunResult> run(const RunSettings& s, const SimulationInputs& in = {},
                               long cancelAfterAsks = 0, RunOptions options = serial()) {
    auto r = std::make_unique<RunResult>();
    r->host.cancelAfterAsks = cancelAfterAsks;
    r->count = runSimulation({s, in, options}, r->host, *r->series);
    return r;
}

TEST(TimeStep, BucketLimitsByPrecision) {
    const int limits[] = {0, 1, 10, 100, 999, 10000, 100000, 1000000};
    for (int p = 1; p <= 8; ++p)
        EXPECT_EQ(bucketLimit(timeStep(p)), limits[p - 1]) << "precision " << p;
    EXPECT_EQ(timeStep(3), 0.001);
    EXPECT_EQ(precisionLabel(3), "1 millisecond");
    EXPECT_EQ(precisionLabel(6), "1 microsecond");
    EXPECT_EQ(precisionLabel(8), "1/100th microsecond");
    EXPECT_EQ(precisionLabel(9), "");
}

TEST(LaunchAnalysis, DefaultFlightInBucketsOfElevenSteps) {
    const auto r = run({});
    const SampleSeries& s = *r->series;
    EXPECT_EQ(s.kind, SeriesKind::MinMaxBars);
    EXPECT_EQ(s.outcome, RunOutcome::Completed);
    // 6090 steps: 553 full buckets of 11, then the unfinished bucket of 7.
    EXPECT_EQ(r->count, 554);
    EXPECT_EQ(s.count, 554);
    EXPECT_TRUE(matchesPrinted(s.column3[0], "0.011"));
    EXPECT_TRUE(matchesPrinted(s.column3[553], "6.090"));
    EXPECT_TRUE(matchesPrinted(s.column1[553], "-0.0179435")); // the last step's height
    for (int k = 0; k < s.count; ++k)
        ASSERT_LE(s.column1[std::size_t(k)], s.column2[std::size_t(k)]);
    EXPECT_EQ(r->host.begins, 1);
    EXPECT_EQ(r->host.ends, 1);
    EXPECT_EQ(r->host.asks, 6090);
    // trunc(t × 10) mod 100: one unit per 0.1 s, 0..60 for a 6.09 s flight.
    ASSERT_FALSE(r->host.progress.empty());
    EXPECT_EQ(r->host.progress.front(), 0);
    EXPECT_EQ(r->host.progress.back(), 60);
}

SimulationInputs droppingRocket() {
    SimulationInputs in;
    in.waterAmount = 0; // no water: the weight is the only net force on the pad
    return in;
}

TEST(LaunchAnalysis, OneStepFlight) {
    RunSettings s;
    s.precision = 3;
    auto r = run(s, droppingRocket());
    EXPECT_EQ(r->count, 1); // only the unfinished bucket
    s.precision = 1;
    r = run(s, droppingRocket());
    EXPECT_EQ(r->count, 2); // the closed bucket, repeated by the final append
    EXPECT_EQ(r->series->column1[0], r->series->column1[1]);
    EXPECT_EQ(r->series->column2[0], r->series->column2[1]);
    EXPECT_EQ(r->series->column3[0], r->series->column3[1]);
    EXPECT_EQ(r->host.asks, 1);
}

TEST(LaunchAnalysis, PrecisionOneRecordsEveryStep) {
    RunSettings s;
    s.precision = 1;
    const auto r = run(s);
    for (int k = 0; k + 1 < r->count; ++k)
        EXPECT_EQ(r->series->column1[std::size_t(k)], r->series->column2[std::size_t(k)]);
    EXPECT_EQ(r->host.asks + 1, r->count);
}

TEST(LaunchAnalysis, StopsAtTheRecordLimit) {
    SimulationInputs up;
    up.updraft = 100; // MPH: stronger than the rocket can fall
    RunSettings s;
    s.precision = 1;
    const auto r = run(s, up);
    EXPECT_EQ(r->count, 16384);
    EXPECT_EQ(r->host.asks, 16383);
    EXPECT_GT(r->series->column1[16383], 0);
    EXPECT_TRUE(r->series->airborneAtEnd);
    EXPECT_FALSE(run({})->series->airborneAtEnd);
}

// A graph flown with its results (one flight for a face that shows both) records the graph
// it records alone and the summary's results to the bit, also when the record fills before
// the landing (65.34 MPH of updraft holds the rocket up for 1749.6 s, past 1638.3 s of record).
TEST(LaunchAnalysis, AGraphFlownWithItsResultsGivesBothAsIfFlownApart) {
    SimulationInputs slow;
    slow.updraft = 65.34;
    for (const auto& [precision, inputs] : {std::pair{3, SimulationInputs{}}, std::pair{1, slow}}) {
        SCOPED_TRACE(precision);
        RunSettings graph;
        graph.precision = precision;
        RunSettings summary = graph;
        summary.launchDisplay = Summary;
        RunOptions both = serial();
        both.flightResults = true;
        const auto alone = run(graph, inputs), told = run(summary, inputs);
        const auto r = run(graph, inputs, 0, both);
        ASSERT_EQ(r->series->outcome, RunOutcome::Completed);
        ASSERT_EQ(r->count, alone->count);
        EXPECT_EQ(r->series->airborneAtEnd, alone->series->airborneAtEnd);
        EXPECT_EQ(r->series->airborneAtEnd, precision == 1);
        for (auto c : {&SampleSeries::column1, &SampleSeries::column2, &SampleSeries::column3})
            EXPECT_TRUE(std::equal(((*r->series).*c).begin(), ((*r->series).*c).begin() + r->count,
                                   ((*alone->series).*c).begin()));
        EXPECT_EQ(std::memcmp(&r->series->flight, &told->series->flight, sizeof(FlightResults)), 0);
        EXPECT_GT(r->series->flight[var::TimeAloft], precision == 1 ? 1700 : 6);
        EXPECT_TRUE(r->series->flightTracked);
    }
    // Without a time limit (the window's runs) the flight ends with its record, as a graph's
    // alone: a rocket that never lands must not keep the run going; the results are untracked.
    RunSettings coarse;
    coarse.precision = 1;
    RunOptions unlimited = serial();
    unlimited.maxFlightTime = std::numeric_limits<double>::infinity();
    unlimited.flightResults = true;
    const auto r = run(coarse, slow, 0, unlimited);
    EXPECT_EQ(r->count, 16384);
    EXPECT_FALSE(r->series->flightTracked);
}

TEST(LaunchAnalysis, SummaryRecordsNothingButFliesToLanding) {
    RunSettings s;
    s.launchDisplay = Summary;
    const auto r = run(s);
    EXPECT_EQ(r->count, 0);
    EXPECT_EQ(r->host.asks, 6090);
    const FlightResults& f = r->series->flight;
    EXPECT_TRUE(matchesPrinted(f[var::MaxHeight], "42.3451"));
    EXPECT_TRUE(matchesPrinted(f[var::TimeAloft], "6.090"));
    EXPECT_TRUE(matchesPrinted(f[var::ImpactVelocity], "-23.0752"));
    EXPECT_TRUE(matchesPrinted(f[var::MaxVelocity], "34.0789"));
    EXPECT_TRUE(matchesPrinted(f[var::ApogeeTime], "2.910"));
    EXPECT_TRUE(matchesPrinted(f[var::BurnoutTime], "0.339"));
}

TEST(LaunchAnalysis, VolumesAsPercentOrVolume) {
    RunSettings s;
    s.precision = 1;
    s.plotVariable = var::WaterLevel;
    s.plotUnit = kPercentUnit;
    // The first step starts on the rod, so no water has left yet.
    EXPECT_DOUBLE_EQ(run(s)->series->column1[0], 40);
    s.plotUnit = 3; // mL
    EXPECT_DOUBLE_EQ(run(s)->series->column1[0], 800);
    s.plotVariable = var::AirVolume;
    s.plotUnit = kPercentUnit;
    const auto air = run(s);
    const double last = air->series->column1[std::size_t(air->count - 1)];
    EXPECT_NEAR(last, 100 * (2 - kPi * 0.011 * 0.011 * 15) / 2, 1e-9); // empty bottle
}

TEST(LaunchAnalysis, PlotValueConvertsFromTheInternalUnit) {
    RocketModel m;
    buildModel(m, {}, ClassicModel);
    FlightSimulator sim(m);
    sim.step(0.001);
    EXPECT_DOUBLE_EQ(plotValue(var::Height, 0, m, sim), m.height * 3.2808399);
    EXPECT_DOUBLE_EQ(plotValue(var::AirPressure, unit::psi, m, sim),
                     m.airPressure() * 14.7 / 101325);
    EXPECT_EQ(plotValue(var::LaunchRodForce, 0, m, sim), sim.forceValues[RodPressureSlot]);
    EXPECT_EQ(plotValue(var::Thrust, 0, m, sim), sim.forceValues[ThrustSlot]);
    EXPECT_EQ(plotValue(var::WindResistance, 0, m, sim), sim.forceValues[DragSlot]);
    EXPECT_DOUBLE_EQ(plotValue(var::Mass, 0, m, sim), m.mass() * 1000);
}

TEST(LaunchAnalysis, CancelInTheFirstBucketReturnsNothing) {
    const auto r = run({}, {}, 5);
    EXPECT_EQ(r->count, 0);
    EXPECT_EQ(r->series->outcome, RunOutcome::Cancelled);
    EXPECT_EQ(r->host.asks, 5);
    EXPECT_EQ(r->host.ends, 1);
}

TEST(LaunchAnalysis, TimeLimitEndsAFlightThatNeverLands) {
    SimulationInputs up;
    up.updraft = 100; // MPH: it never comes down
    RunSettings s;
    s.launchDisplay = Summary;
    RunOptions options = serial();
    options.maxFlightTime = 10;
    const auto r = run(s, up, 0, options);
    EXPECT_EQ(r->series->outcome, RunOutcome::TimedOut);
    EXPECT_EQ(r->host.ends, 1);
    EXPECT_NEAR(double(r->host.asks), 10001, 1);
}

TEST(Runs, UnknownModeDoesNothing) {
    RunSettings s;
    s.mode = static_cast<RunMode>(3);
    const auto r = run(s);
    EXPECT_EQ(r->count, 0);
    EXPECT_EQ(r->series->kind, SeriesKind::Unset);
    EXPECT_EQ(r->host.begins, 1);
    EXPECT_EQ(r->host.ends, 1);
}

TEST(Runs, RefusedInputsFlyNothing) {
    SimulationInputs in;
    in.bottleVolume = 0;
    const auto r = run({}, in);
    EXPECT_EQ(r->series->outcome, RunOutcome::Refused);
    EXPECT_EQ(r->count, 0);
    EXPECT_EQ(r->host.asks, 0);
    EXPECT_EQ(r->host.ends, 1);
}

TEST(Runs, EditsDuringTheRunDoNotReachIt) {
    RunSettings s;
    s.precision = 2;
    SimulationInputs in;
    const auto reference = run(s, in);

    auto r = std::make_unique<RunResult>();
    r->host.onAsk = [&](long) {
        s.plotVariable = var::Velocity; // the user edits the settings page mid-run
        s.plotUnit = 0;
        in.emptyMass = 500;
    };
    r->count = runSimulation({s, in, {}}, r->host, *r->series);
    ASSERT_EQ(r->count, reference->count);
    for (int k = 0; k < r->count; ++k)
        EXPECT_EQ(r->series->column2[std::size_t(k)], reference->series->column2[std::size_t(k)]);
}

TEST(Optimisation, DefaultOneVariableSweep) {
    RunSettings s;
    s.mode = OneVariableOptimization;
    const auto r = run(s);
    const SampleSeries& out = *r->series;
    EXPECT_EQ(out.kind, SeriesKind::Line);
    ASSERT_EQ(r->count, 11);
    for (int j = 0; j < 11; ++j) {
        EXPECT_NEAR(out.column1[std::size_t(j)], 50 + 20 * j, 1e-9);
        EXPECT_EQ(out.column2[std::size_t(j)], 0);
    }
    // 150 g is the default rocket: its time aloft is the worked flight's 6090 steps.
    EXPECT_TRUE(matchesPrinted(out.column3[5], "6.090"));
    EXPECT_EQ(r->host.progress, (std::vector<int>{9, 18, 27, 36, 45, 54, 63, 72, 81, 90, 100}));
}

TEST(Optimisation, APointThatStaysAtHeightZeroHasLanded) {
    // No water, no rod and a gravity that rounds to no force: the rocket never leaves
    // height 0, which ends a flight as surely as a height below it.
    SimulationInputs still;
    still.gravity = -5e-324;
    still.waterAmount = 0;
    still.launchRodHeight = 0;
    RunSettings s;
    s.mode = OneVariableOptimization;
    for (int threads : {1, 2}) {
        RunOptions options = serial();
        options.threads = threads;
        options.maxFlightTime = 10;
        const auto r = run(s, still, 0, options);
        EXPECT_EQ(r->series->outcome, RunOutcome::Completed) << threads << " threads";
        ASSERT_EQ(r->count, 11);
        for (std::size_t j = 0; j < 11; ++j)
            EXPECT_EQ(r->series->column3[j], 0.001) << "point " << j; // one step aloft
    }
}

TEST(Optimisation, PointsThatNeverLandEndTheSweepAtTheTimeLimit) {
    SimulationInputs up;
    up.updraft = 100; // MPH: stronger than the light rockets of the sweep can fall
    RunSettings s;
    s.mode = OneVariableOptimization;
    RunOptions options = serial();
    options.maxFlightTime = 20;
    const auto r = run(s, up, 0, options);
    EXPECT_EQ(r->series->outcome, RunOutcome::TimedOut);
    EXPECT_EQ(r->count, 0); // the first point already never lands
    EXPECT_EQ(r->host.ends, 1);
}

TEST(Optimisation, DefaultTwoVariableSweep) {
    RunSettings s;
    s.mode = TwoVariableOptimization;
    s.precision = 2;
    const auto r = run(s);
    const SampleSeries& out = *r->series;
    EXPECT_EQ(out.kind, SeriesKind::Surface);
    ASSERT_EQ(r->count, 121);
    for (int j = 0; j < 11; ++j) {
        for (int i = 0; i < 11; ++i) {
            const auto k = std::size_t(11 * j + i);
            EXPECT_NEAR(out.column1[k], 50 + 20 * j, 1e-9);
            EXPECT_NEAR(out.column2[k], 25 + 5 * i, 1e-9);
        }
    }
    // trunc(k × 100 ÷ 121): the bar is told each new value once.
    EXPECT_EQ(r->host.progress.size(), 101u);
    EXPECT_EQ(r->host.progress.front(), 0);
    EXPECT_EQ(r->host.progress.back(), 100);
}

TEST(Optimisation, ACancelKeepsThePointsLandedBeforeIt) {
    RunSettings s;
    s.mode = OneVariableOptimization;
    s.precision = 4; // tens of thousands of steps a point: the cancel falls inside the run
    const auto full = run(s);
    ASSERT_EQ(full->count, 11);
    const auto r = run(s, {}, full->host.asks / 2);
    EXPECT_EQ(r->series->outcome, RunOutcome::Cancelled);
    EXPECT_EQ(r->host.ends, 1);
    ASSERT_GT(r->count, 0);
    ASSERT_LT(r->count, 11);
    for (std::size_t k = 0; k < std::size_t(r->count); ++k) {
        EXPECT_EQ(r->series->column1[k], full->series->column1[k]) << k;
        EXPECT_EQ(r->series->column3[k], full->series->column3[k]) << k;
    }
}

TEST(Optimisation, ResultRules) {
    RunSettings s;
    s.mode = OneVariableOptimization;
    s.oneVarIndependent = var::EmptyMass;
    s.oneVarRangeFrom = s.oneVarRangeTo = 150;
    s.oneVarDependent = var::ApogeeTime;
    // A rocket that is not moving up after its first step: its apogee is one time step.
    EXPECT_EQ(run(s, droppingRocket())->series->column3[0], 0.001);

    s.oneVarDependent = var::MaxVelocity;
    s.oneVarDependentUnit = 2;
    const double metres = run(s)->series->column3[0];
    s.oneVarDependentUnit = 3; // MPH
    EXPECT_DOUBLE_EQ(run(s)->series->column3[0], metres * 2.23693629);
    s.oneVarDependent = var::MaxHeight;
    s.oneVarDependentUnit = 0; // ft
    EXPECT_TRUE(matchesPrinted(run(s)->series->column3[0] / 3.2808399, "42.3451"));
    s.oneVarDependent = var::ImpactVelocity;
    s.oneVarDependentUnit = 2;
    EXPECT_TRUE(matchesPrinted(run(s)->series->column3[0], "-23.0752"));

    double r = 0;
    RocketModel m;
    m.velocity = std::nan("");
    updateResult(r, var::ApogeeTime, 0, m, 1.5);
    EXPECT_EQ(r, 1.5);
    updateResult(r, var::ApogeeTime, 0, m, 2.5);
    EXPECT_EQ(r, 1.5); // the first time is kept
}

TEST(Optimisation, ReversedRangeSweepsDownward) {
    RunSettings s;
    s.mode = OneVariableOptimization;
    s.oneVarRangeFrom = 250;
    s.oneVarRangeTo = 50;
    s.precision = 2;
    const auto r = run(s);
    EXPECT_NEAR(r->series->column1[0], 250, 1e-9);
    EXPECT_NEAR(r->series->column1[10], 50, 1e-9);
}

TEST(SweepPlan, WaterTypedAsAVolumeStaysThatVolume) {
    SimulationInputs in;
    in.waterAmount = 0.8;
    in.waterAmountUnit = unit::litre;
    RunSettings s;
    s.mode = OneVariableOptimization;
    s.oneVarIndependent = var::BottleVolume;
    s.oneVarIndependentUnit = unit::litre;
    s.oneVarRangeFrom = 2;
    s.oneVarRangeTo = 3;
    const SweepPlan plan = makeSweepPlan(s, in);
    RocketModel m;
    plan.buildPoint(m, 10, 0);
    EXPECT_EQ(m.bottleVolume, 3);
    EXPECT_DOUBLE_EQ(m.waterVolume(), 0.8);
    EXPECT_DOUBLE_EQ(m.initialAirVolume, m.airVolume());

    // As a share, the share is kept.
    in.waterAmount = 40;
    in.waterAmountUnit = kPercentUnit;
    RocketModel share;
    makeSweepPlan(s, in).buildPoint(share, 10, 0);
    EXPECT_EQ(share.waterLevel, 0.4);

    // A swept water volume against a swept bottle: litres at the point's own bottle.
    s.mode = TwoVariableOptimization;
    s.xAxisVariable = var::BottleVolume;
    s.xAxisUnit = unit::litre;
    s.xRangeFrom = 2;
    s.xRangeTo = 3;
    s.yAxisVariable = var::InitialWaterLevel;
    s.yAxisUnit = unit::litre;
    s.yRangeFrom = 0.5;
    s.yRangeTo = 1.5;
    RocketModel both;
    makeSweepPlan(s, in).buildPoint(both, 10, 10);
    EXPECT_EQ(both.bottleVolume, 3);
    EXPECT_DOUBLE_EQ(both.waterVolume(), 1.5);
}

} // namespace
} // namespace hydrolofter
