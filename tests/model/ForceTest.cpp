// The seven force components against the worked rocket.
#include "model/FlightSimulator.h"
#include "support/Printed.h"
#include "support/WorkedRocket.h"

#include <cmath>
#include <gtest/gtest.h>

namespace hydrolofter {
namespace {

using test::matchesPrinted;
using test::workedRocket;

TEST(Force, OnThePad) {
    RocketModel m = workedRocket();
    FlightSimulator sim(m);
    EXPECT_TRUE(matchesPrinted(sim.force(BuoyancySlot).evaluate(0.001), "0.0234873"));
    EXPECT_TRUE(matchesPrinted(sim.force(RodPressureSlot).evaluate(0.001), "157.21203"));
    EXPECT_TRUE(matchesPrinted(sim.force(RodAtmosphereSlot).evaluate(0.001), "-38.516947"));
    EXPECT_EQ(sim.force(DragSlot).evaluate(0.001), 0);
    EXPECT_TRUE(matchesPrinted(sim.force(WeightSlot).evaluate(0.001), "-9.3742149"));
    EXPECT_EQ(sim.force(ThrustSlot).evaluate(0.001), 0);
    EXPECT_EQ(m.waterLevel, 0.4); // the rod closes the nozzle
}

TEST(Force, DragOpposesMotionRelativeToTheAir) {
    RocketModel m = workedRocket();
    DragForce drag(m);
    m.velocity = 10;
    EXPECT_TRUE(matchesPrinted(drag.evaluate(0.001), "-0.1712052"));
    m.velocity = -10;
    EXPECT_TRUE(matchesPrinted(drag.evaluate(0.001), "0.1712052"));
    m.updraft = -10; // moving with the air
    EXPECT_EQ(drag.evaluate(0.001), 0);
}

TEST(Force, ThrustOffTheRodExpelsWater) {
    RocketModel m = workedRocket();
    m.height = 0.02;
    m.acceleration = 0;
    ThrustForce thrust(m);
    const double t = thrust.evaluate(0.001);
    EXPECT_TRUE(matchesPrinted(m.waterLevel, "0.39848490"));
    EXPECT_TRUE(matchesPrinted(t, "75.884818"));
    // The expelled volume follows from the level change: ΔV = Δlevel × bottle volume.
    EXPECT_TRUE(matchesPrinted((0.4 - m.waterLevel) * 2, "0.0030301919"));
}

TEST(Force, ThrustClampsTheLevelButUsesTheWholeExpelledVolume) {
    RocketModel m = workedRocket();
    m.height = 1;
    m.waterLevel = 1e-6; // less than one step expels
    ThrustForce thrust(m);
    const double t = thrust.evaluate(0.001);
    EXPECT_EQ(m.waterLevel, 0);
    EXPECT_GT(t, 1); // a full step's mass flow, not the few drops that were left
    EXPECT_EQ(thrust.evaluate(0.001), 0);
}

TEST(Force, ThrustIsZeroWhenTheAirIsBelowAmbient) {
    RocketModel m = workedRocket();
    m.height = 1;
    m.initialAirPressure = 50000; // half an atmosphere, and the head cannot make up for it
    m.captureInitialAirVolume();
    ThrustForce thrust(m);
    const double t = thrust.evaluate(0.001);
    EXPECT_EQ(t, 0);
    EXPECT_EQ(m.waterLevel, 0.4);
    m.atmPressure = std::nan("");
    EXPECT_EQ(thrust.evaluate(0.001), 0); // no NaN from the square root
    EXPECT_EQ(m.waterLevel, 0.4);
}

TEST(Force, WithoutWaterOrRodHeight) {
    RocketModel m = workedRocket();
    m.waterLevel = 0;
    FlightSimulator sim(m);
    EXPECT_EQ(sim.force(BuoyancySlot).evaluate(0.001), 0);
    EXPECT_EQ(sim.force(ThrustSlot).evaluate(0.001), 0);
    const double rod = sim.force(RodPressureSlot).evaluate(0.001);
    EXPECT_EQ(rod, -sim.force(RodAtmosphereSlot).evaluate(0.001));
    EXPECT_EQ(rod, 101325 * m.launchRodArea());

    RocketModel noRod = workedRocket();
    noRod.launchRodHeight = 0;
    noRod.captureInitialAirVolume();
    FlightSimulator sim2(noRod);
    EXPECT_EQ(sim2.force(RodPressureSlot).evaluate(0.001), 0);
    EXPECT_EQ(sim2.force(RodAtmosphereSlot).evaluate(0.001), 0);
    EXPECT_GT(sim2.force(ThrustSlot).evaluate(0.001), 0);
}

RocketModel parachuteRocket() {
    RocketModel m = workedRocket();
    m.kamikaze = 0;
    m.parachuteCount = 1;
    m.parachuteArea = 0.78539816;
    m.parachuteDragCoefficient = 1;
    m.parachuteDeployTime = 1;
    return m;
}

TEST(Force, ParachuteOpensWithTheTenthPowerOfItsClock) {
    RocketModel m = parachuteRocket();
    m.velocity = -10;
    ParachuteForce chute(m);
    const double full = 0.5 * m.ambientAirDensity() * 100 * 0.78539816;
    std::vector<double> s;
    for (int i = 0; i < 12; ++i)
        s.push_back(chute.evaluate(0.1) / full);
    EXPECT_NEAR(s[0], 1e-10, 1e-24);
    EXPECT_NEAR(s[7], 0.1073741824, 1e-15);
    EXPECT_NEAR(s[9], 0.9999999999999989, 2e-16); // the clock is just below 1 after ten adds
    EXPECT_LT(s[9], 1);
    EXPECT_EQ(s[10], 1);
    EXPECT_EQ(s[11], 1);
    EXPECT_TRUE(matchesPrinted(chute.evaluate(0.1), "47.163979"));
}

TEST(Force, ParachuteClockRunsOnlyWhileDescending) {
    RocketModel m = parachuteRocket();
    ParachuteForce chute(m);
    m.velocity = 5;
    EXPECT_EQ(chute.evaluate(0.1), 0);
    EXPECT_EQ(chute.openingTime, 0);
    m.velocity = -5;
    chute.evaluate(0.5);
    EXPECT_EQ(chute.openingTime, 0.5);
    m.velocity = 5; // partly open but rising: no effect, clock stopped
    EXPECT_EQ(chute.evaluate(0.1), 0);
    EXPECT_EQ(chute.openingTime, 0.5);
    m.velocity = -5;
    chute.evaluate(0.5);
    m.velocity = 5; // fully open acts whatever the direction
    EXPECT_LT(chute.evaluate(0.1), 0);
}

TEST(Force, ParachuteOffCases) {
    RocketModel m = parachuteRocket();
    m.velocity = -10;
    m.kamikaze = 1;
    ParachuteForce kamikaze(m);
    EXPECT_EQ(kamikaze.evaluate(0.1), 0);
    EXPECT_EQ(kamikaze.openingTime, 0);

    m.kamikaze = 0;
    m.parachuteCount = 0;
    ParachuteForce none(m);
    EXPECT_EQ(none.evaluate(0.1), 0);

    m.parachuteCount = 1;
    m.parachuteDeployTime = 0;
    ParachuteForce instant(m);
    m.velocity = 0;
    EXPECT_EQ(instant.evaluate(0.1), 0);
    m.velocity = -10;
    EXPECT_TRUE(matchesPrinted(instant.evaluate(0.1), "47.163979"));
}

} // namespace
} // namespace hydrolofter
