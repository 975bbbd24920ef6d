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
