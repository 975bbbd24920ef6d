// Derived quantities of the rocket model against the worked values.
#include "model/RocketModel.h"
#include "support/Printed.h"
#include "support/WorkedRocket.h"

#include <gtest/gtest.h>

namespace hydrolofter {
namespace {

using test::matchesPrinted;
using test::workedRocket;

TEST(RocketModel, WorkedGeometry) {
    const RocketModel m = workedRocket();
    EXPECT_TRUE(matchesPrinted(m.launchRodArea(), "3.8013271e-4"));
    EXPECT_TRUE(matchesPrinted(m.internalVolume(), "1.9942980"));
    EXPECT_TRUE(matchesPrinted(m.waterVolume(), "0.8"));
    EXPECT_TRUE(matchesPrinted(m.airVolume(), "1.1942980"));
    EXPECT_TRUE(matchesPrinted(m.initialAirVolume, "1.1942980"));
    EXPECT_TRUE(matchesPrinted(m.bottleArea(), "9.5033178e-3"));
    EXPECT_TRUE(matchesPrinted(m.waterColumnHeight(), "0.0841811"));
}

TEST(RocketModel, AirDensityAndMass) {
    const RocketModel m = workedRocket();
    EXPECT_TRUE(matchesPrinted(m.airDensity(1, 20), "1.2055730"));
    EXPECT_TRUE(matchesPrinted(m.ambientAirDensity(), "1.2010209"));
    EXPECT_TRUE(matchesPrinted(m.mass(), "0.9559673"));
    const double air = m.mass() - 0.15 - 0.8;
    EXPECT_TRUE(matchesPrinted(air, "0.0059673"));
}

TEST(RocketModel, PressureFollowsBoylesLawWhileWaterRemains) {
    RocketModel m = workedRocket();
    EXPECT_DOUBLE_EQ(m.airPressure(), m.initialAirPressure);
    m.waterLevel = 0.2;
    EXPECT_TRUE(matchesPrinted(m.airPressure(), "309808.79"));
}

TEST(RocketModel, NoWaterMeansAmbientPressureAndEmptyMass) {
    RocketModel m = workedRocket();
    m.atmPressure = 0.9;
    m.waterLevel = 0;
    EXPECT_EQ(m.airPressure(), 101325 * 0.9);
    EXPECT_EQ(m.mass(), 0.15);
}

TEST(RocketModel, RodEngagementEndsAtRodHeight) {
    RocketModel m = workedRocket();
    const double volumeOnRod = m.internalVolume();
    m.height = 0.015;
    EXPECT_EQ(m.rodEngagement(), 0);
    m.height = 0.0149;
    EXPECT_NEAR(m.rodEngagement(), 0.1, 1e-12); // 15 − 14.9 mm, up to rounding of 0.0149
    m.height = 3;
    EXPECT_EQ(m.rodEngagement(), 0);
    EXPECT_EQ(m.internalVolume(), volumeOnRod);
}

} // namespace
} // namespace hydrolofter
