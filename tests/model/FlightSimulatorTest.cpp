// Time stepping: the first step, degenerate flights and the worked whole flights.
#include "model/FlightSimulator.h"
#include "support/Printed.h"
#include "support/WorkedRocket.h"

#include <gtest/gtest.h>

namespace hydrolofter {
namespace {

/// Steps a whole-flight test may take: four times the longest worked flight (25574 steps),
/// so that a fault that keeps the rocket up fails the test instead of hanging it.
constexpr int kStepCap = 100000;

using test::matchesPrinted;
using test::workedRocket;

TEST(FlightSimulator, FirstStepOnThePad) {
    RocketModel m = workedRocket();
    FlightSimulator sim(m);
    sim.step(0.001);
    const char* forces[] = {"0.0234873", "157.21203", "-38.516947", "0", "-9.3742149", "0", "0"};
    double total = 0;
    for (int slot = 0; slot < ForceSlotCount; ++slot) {
        EXPECT_TRUE(matchesPrinted(sim.forceValues[std::size_t(slot)], forces[slot]))
            << "slot " << slot;
        total += sim.forceValues[std::size_t(slot)];
    }
    EXPECT_TRUE(matchesPrinted(total, "109.34435"));
    EXPECT_TRUE(matchesPrinted(m.acceleration, "114.38086"));
    EXPECT_TRUE(matchesPrinted(m.velocity, "0.11438086"));
    EXPECT_TRUE(matchesPrinted(m.height, "1.1438086e-4"));
}

TEST(FlightSimulator, NoWaterOnThePadFallsWithGravity) {
    RocketModel m = workedRocket();
    m.waterLevel = 0;
    m.captureInitialAirVolume();
    FlightSimulator sim(m);
    sim.step(0.001);
    EXPECT_EQ(sim.forceValues[RodPressureSlot], -sim.forceValues[RodAtmosphereSlot]);
    EXPECT_DOUBLE_EQ(m.acceleration, m.gravity);
    EXPECT_TRUE(matchesPrinted(m.height, "-9.806e-6"));
}

TEST(FlightSimulator, HeightMovesWithTheNewVelocity) {
    RocketModel m = workedRocket();
    m.waterLevel = 0;
    m.dragCoefficient = 0;
    m.velocity = 10;
    FlightSimulator sim(m);
    sim.step(0.1);
    EXPECT_DOUBLE_EQ(m.velocity, 9.0194);
    EXPECT_DOUBLE_EQ(m.height, 0.90194);
}

TEST(FlightSimulator, WorkedKamikazeFlight) {
    RocketModel m = workedRocket();
    FlightSimulator sim(m);
    int steps = 0, offRod = 0, burnout = 0, apogeeStep = 0, firstDescending = 0;
    double maxHeight = 0, maxVelocity = 0, velocityAtBurnout = 0, heightOffRod = 0;
    do {
        const bool onRod = m.rodEngagement() > 0;
        const bool water = m.waterLevel > 0;
        sim.step(0.001);
        ++steps;
        if (onRod && m.rodEngagement() <= 0) {
            offRod = steps;
            heightOffRod = m.height;
        }
        if (water && m.waterLevel == 0) {
            burnout = steps;
            velocityAtBurnout = m.velocity;
        }
        if (m.height > maxHeight) {
            maxHeight = m.height;
            apogeeStep = steps;
        }
        if (m.velocity > maxVelocity)
            maxVelocity = m.velocity;
        if (firstDescending == 0 && m.velocity <= 0)
            firstDescending = steps;
    } while (m.height > 0 && steps < kStepCap);
    ASSERT_LT(steps, kStepCap) << "the rocket had not landed";

    EXPECT_EQ(offRod, 16);
    EXPECT_TRUE(matchesPrinted(heightOffRod, "0.0155557"));
    EXPECT_EQ(burnout, 338);
    EXPECT_TRUE(matchesPrinted(velocityAtBurnout, "34.0789"));
    EXPECT_EQ(maxVelocity, velocityAtBurnout);
    EXPECT_EQ(apogeeStep, 2909);
    EXPECT_TRUE(matchesPrinted(maxHeight, "42.3451"));
    EXPECT_EQ(firstDescending, 2910);
    EXPECT_EQ(steps, 6090);
    EXPECT_TRUE(matchesPrinted(m.height, "-0.0179435"));
    EXPECT_TRUE(matchesPrinted(m.velocity, "-23.0752"));
}

TEST(FlightSimulator, WorkedParachuteFlight) {
    RocketModel m = workedRocket();
    m.kamikaze = 0;
    m.parachuteCount = 1;
    m.parachuteArea = 0.78539816;
    m.parachuteDragCoefficient = 1;
    m.parachuteDeployTime = 1;
    FlightSimulator sim(m);
    int steps = 0, clockStart = 0, fullyOpen = 0;
    do {
        sim.step(0.001);
        ++steps;
        const double clock = sim.parachuteForce().openingTime;
        if (clockStart == 0 && clock > 0)
            clockStart = steps;
        if (fullyOpen == 0 && clock >= 1)
            fullyOpen = steps;
    } while (m.height > 0 && steps < kStepCap);
    ASSERT_LT(steps, kStepCap) << "the rocket had not landed";
    EXPECT_EQ(clockStart, 2911);
    EXPECT_EQ(fullyOpen, 3910);
    EXPECT_EQ(steps, 25574);
    EXPECT_TRUE(matchesPrinted(m.velocity, "-1.76279"));
}

} // namespace
} // namespace hydrolofter
