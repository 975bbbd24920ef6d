#include "model/FlightSimulator.h"
#include "runs/TraceFit.h"

#include <gtest/gtest.h>
#include <random>

namespace hydrolofter {
namespace {

/// The default rocket flown with a drag coefficient of 0.45 in 1 ms steps, its height
/// sampled every 50 steps (20 Hz) with normal noise of 0.1 m, as an altimeter would log it.
MeasuredTrace noisyTrace() {
    SimulationInputs flown;
    flown.dragCoefficient = 0.45;
    RocketModel m;
    buildModel(m, flown, ClassicModel);
    FlightSimulator sim(m);
    std::mt19937 random(7);
    std::normal_distribution<double> noise(0, 0.1);
    MeasuredTrace trace;
    for (int step = 1; step <= 60000 && (step == 1 || m.height > 0); ++step) {
        sim.step(0.001);
        if (step % 50 == 0) {
            trace.time.push_back(step * 0.001);
            trace.height.push_back(m.height + noise(random));
        }
    }
    return trace;
}

TEST(MeasuredTrace, TheFitFindsTheDragCoefficientOfANoisyTwentyHertzTrace) {
    const MeasuredTrace trace = noisyTrace();
    ASSERT_GT(trace.time.size(), 40u);
    QuietRunHost host;
    const SimulationInputs start; // drag coefficient 0.3
    const FitResult fit =
        fitToTrace(start, RunSettings{}, trace, {var::DragCoefficient, 0.1, 1.0}, host, 120);
    ASSERT_EQ(fit.outcome, RunOutcome::Completed) << fit.refusal;
    EXPECT_NEAR(fit.value, 0.45, 0.0045); // within 1 %
    EXPECT_GT(fit.rmsBefore, 1.0);
    EXPECT_LT(fit.rmsAfter, 0.15); // the noise's own 0.1 m and little more
    EXPECT_LE(fit.flights, 54);
}

TEST(MeasuredTrace, AFiringsThrustCurveGivesItsDischargeCoefficient) {
    // A stand firing of the extended model with a discharge coefficient of 0.8 in 10 µs
    // steps, its thrust sampled at 1652 Hz as the load cell of a lab's stand would.
    SimulationInputs fired;
    fired.testStand = 1;
    fired.dischargeCoefficient = 0.8;
    RocketModel m;
    buildModel(m, fired, ExtendedModel);
    FlightSimulator sim(m);
    MeasuredTrace trace;
    trace.thrust = true;
    double impulse = 0, t = 0;
    for (int step = 1; step <= 100000 && sim.goesOn(t); ++step) {
        t = step * 1e-5;
        sim.step(1e-5);
        impulse += sim.forceValues[ThrustSlot] * 1e-5;
        if (trace.time.empty() || t >= trace.time.size() / 1652.0) {
            trace.time.push_back(t);
            trace.height.push_back(sim.forceValues[ThrustSlot]);
        }
    }
    ASSERT_GT(trace.time.size(), 100u);
    RunSettings settings;
    settings.flightModel = ExtendedModel;
    settings.precision = 5;
    QuietRunHost host;
    SimulationInputs start = fired;
    start.dischargeCoefficient = 1;
    const FitResult fit =
        fitToTrace(start, settings, trace, {var::DischargeCoefficient, 0.3, 1.5}, host, 20);
    ASSERT_EQ(fit.outcome, RunOutcome::Completed) << fit.refusal;
    EXPECT_NEAR(fit.value, 0.8, 0.008);
    EXPECT_TRUE(fit.thrust);
    const TraceComparison c = compareWithTrace(fired, settings, trace, host, 20);
    EXPECT_NEAR(c.figures.simulatedImpulse, impulse, 1e-9 * impulse);
    EXPECT_NEAR(c.figures.measuredImpulse / impulse, 1, 0.01); // trapezoids at 1652 Hz
    EXPECT_LT(c.figures.rms, 0.01 * c.figures.measuredPeak);
}

TEST(MeasuredTrace, TheRocketStandsOnItsPadBeforeLaunchAndOnTheGroundAfterLanding) {
    // One sample a second before launch and one long after landing, both at 0 m: nothing
    // differs, and the measured apogee is the first of the equal highest samples.
    const MeasuredTrace trace{{-1, 1000}, {0, 0}};
    QuietRunHost host;
    const TraceComparison c =
        compareWithTrace(SimulationInputs{}, RunSettings{}, trace, host, 2000);
    ASSERT_EQ(c.outcome, RunOutcome::Completed);
    EXPECT_EQ(c.figures.rms, 0);
    EXPECT_EQ(c.figures.measuredApogeeAt, -1);
    EXPECT_GT(c.figures.simulatedApogee, 10);
}

TEST(MeasuredTrace, AFitThatCannotBeFlownSaysWhy) {
    const MeasuredTrace trace{{0, 1}, {0, 5}};
    struct Row {
        FitRequest request;
        const char* says;
    };
    const Row rows[] = {
        {{var::ParNumberOf, 1, 3}, "Only an input that takes any number can be fitted."},
        {{var::DragCoefficient, 1, 0.5}, "The range must run from a smaller number"},
        {{var::DragCoefficient, -1, 0.5}, "With -1: "},
    };
    QuietRunHost host;
    for (const Row& row : rows) {
        const FitResult fit = fitToTrace({}, {}, trace, row.request, host, 10);
        EXPECT_EQ(fit.outcome, RunOutcome::Refused);
        EXPECT_NE(fit.refusal.find(row.says), std::string::npos) << fit.refusal;
        EXPECT_EQ(fit.flights, 0);
    }
}

} // namespace
} // namespace hydrolofter
