// From the pages' inputs to a model, and the sweep conversions and setters.
#include "runs/SimulationInputs.h"
#include "support/Printed.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace hydrolofter {
namespace {

using test::matchesPrinted;

RocketModel built(const SimulationInputs& in) {
    RocketModel m;
    buildModel(m, in, ClassicModel);
    return m;
}

TEST(BuildModel, DefaultsGiveTheDefaultModel) {
    const RocketModel m = built({});
    EXPECT_EQ(m.launchRodDiameter, 22);
    EXPECT_EQ(m.launchRodHeight, 15);
    EXPECT_EQ(m.atmPressure, 1);
    EXPECT_TRUE(matchesPrinted(m.atmTemperature, "21.111111"));
    EXPECT_EQ(m.gravity, -9.806);
    EXPECT_EQ(m.updraft, 0);
    EXPECT_EQ(m.bottleDiameter, 110);
    EXPECT_EQ(m.bottleVolume, 2);
    EXPECT_EQ(m.dragCoefficient, 0.3);
    EXPECT_EQ(m.emptyMass, 0.15);
    EXPECT_EQ(m.kamikaze, 1);
    EXPECT_EQ(m.parachuteCount, 1);
    EXPECT_EQ(m.parachuteDeployTime, 1);
    EXPECT_EQ(m.parachuteDragCoefficient, 1);
    EXPECT_TRUE(matchesPrinted(m.parachuteArea, "0.785398163"));
    EXPECT_EQ(m.waterLevel, 0.4);
    EXPECT_TRUE(matchesPrinted(m.initialAirPressure, "413571.43"));
    EXPECT_TRUE(matchesPrinted(m.airTemperature, "15.555556"));
    EXPECT_EQ(m.height, 0);
    EXPECT_EQ(m.velocity, 0);
    EXPECT_EQ(m.waterDensity, 1000);
    EXPECT_TRUE(matchesPrinted(m.initialAirVolume, "1.1942980"));
}

TEST(BuildModel, EquivalentEntriesGiveTheSameModel) {
    SimulationInputs litres;
    litres.waterAmount = 0.8;
    litres.waterAmountUnit = unit::litre;
    EXPECT_EQ(built(litres).waterLevel, 0.4);

    SimulationInputs mL;
    mL.bottleVolume = 2000;
    mL.bottleVolumeUnit = 3;
    mL.waterAmount = 800;
    mL.waterAmountUnit = 3;
    EXPECT_DOUBLE_EQ(built(mL).waterLevel, 0.4); // the share of the converted bottle volume

    SimulationInputs irregular;
    irregular.parachuteShape = 1;
    irregular.parachuteDiameter = 12345;
    EXPECT_EQ(built(irregular).parachuteArea, 1);
    irregular.parachuteSurfaceArea = 10.76391042;
    irregular.parachuteSurfaceAreaUnit = 2; // ft^2
    EXPECT_DOUBLE_EQ(built(irregular).parachuteArea, 1);

    SimulationInputs mph;
    mph.updraft = 2.23693629;
    EXPECT_DOUBLE_EQ(built(mph).updraft, 1);
    SimulationInputs kmh;
    kmh.updraft = 3.6;
    kmh.updraftUnit = 4;
    EXPECT_DOUBLE_EQ(built(kmh).updraft, 1);

    SimulationInputs cm;
    cm.launchRodDiameter = 2.2;
    cm.launchRodDiameterUnit = unit::cm;
    EXPECT_DOUBLE_EQ(built(cm).launchRodDiameter, 22);
}

struct SweepConversion {
    int position;
    double value;
    int unitIndex;
    double internal;
};

TEST(Sweep, ValueToInternalByPosition) {
    const RocketModel base = built({});
    const SweepConversion cases[] = {
        {0, 212, unit::degF, 100},
        {1, 14.7, unit::psi, 1},
        {2, 300, unit::kelvin, 26.85},
        {3, 1000, 3, 1},
        {4, 11, unit::cm, 110},
        {5, 0.7, 0, 0.7},
        {6, 150, unit::gram, 0.15},
        {7, 1, 2, 9.806000056},
        {8, 1, unit::atm, 101325},
        {9, 3.2808399, 0, 1},
        {10, 3.6, 4, 1},
        {11, 40, kPercentUnit, 0.4},
        {11, 0.5, unit::litre, 0.25},
        {12, 2.2, unit::cm, 22},
        {13, 1, 1, 25.39999983},
        {14, 3, 0, 3},
        {15, 1000, unit::mm, 100},
        {16, 1.5, 0, 1.5},
        {17, 2.9, 0, 2.9},
        {18, 10000, 0, 1},
        {19, 1, 1, 1000},
        {23, 7, 0, 7},
        {20, 1, unit::inch, 25.4},
        {21, 0.6, 0, 0.6},
        {22, 1.2, 0, 1.2},
    };
    for (const SweepConversion& c : cases) {
        EXPECT_NEAR(sweepValueToInternal(c.value, c.position, c.unitIndex, base), c.internal,
                    1e-8 * std::max(1.0, std::fabs(c.internal)))
            << "position " << c.position;
    }
}

TEST(Sweep, EachPositionWritesTheFieldItNamesAndNoOther) {
    using M = RocketModel;
    // The model's inputs by the sweep variable that names them, in sweep order.
    double M::*const named[kSweepPositions] = {&M::airTemperature,
                                               &M::atmPressure,
                                               &M::atmTemperature,
                                               &M::bottleVolume,
                                               &M::bottleDiameter,
                                               &M::dragCoefficient,
                                               &M::emptyMass,
                                               &M::gravity,
                                               &M::initialAirPressure,
                                               &M::height,
                                               &M::velocity,
                                               &M::waterLevel,
                                               &M::launchRodDiameter,
                                               &M::launchRodHeight,
                                               &M::parachuteDeployTime,
                                               &M::parachuteArea,
                                               &M::parachuteDragCoefficient,
                                               nullptr /* the count, an int */,
                                               &M::parachuteArea,
                                               &M::waterDensity,
                                               &M::nozzleDiameter,
                                               &M::dischargeCoefficient,
                                               &M::expansionExponent};
    const std::vector<double M::*> all = {&M::gravity,
                                          &M::waterDensity,
                                          &M::atmPressure,
                                          &M::atmTemperature,
                                          &M::updraft,
                                          &M::launchRodDiameter,
                                          &M::launchRodHeight,
                                          &M::height,
                                          &M::velocity,
                                          &M::waterLevel,
                                          &M::bottleDiameter,
                                          &M::bottleVolume,
                                          &M::dragCoefficient,
                                          &M::initialAirPressure,
                                          &M::airTemperature,
                                          &M::emptyMass,
                                          &M::parachuteArea,
                                          &M::parachuteDragCoefficient,
                                          &M::parachuteDeployTime,
                                          &M::nozzleDiameter,
                                          &M::dischargeCoefficient,
                                          &M::expansionExponent};
    const double value = 0.375; // no field of the default model holds it
    for (int p = 0; p < kSweepPositions; ++p) {
        const RocketModel before = built({});
        RocketModel m = before;
        applySweepValue(p == 15 ? 200 : value, p, m);
        for (double M::*field : all) {
            if (field == named[p])
                continue;
            EXPECT_EQ(m.*field, before.*field) << "position " << p << " wrote another field";
        }
        if (p == 15) { // a diameter of 200 cm is a circle of 1 m radius
            EXPECT_DOUBLE_EQ(m.parachuteArea, kPi) << "position " << p;
        } else if (named[p]) {
            EXPECT_EQ(m.*named[p], value) << "position " << p;
        }
        EXPECT_EQ(m.parachuteCount, p == 17 ? 0 : before.parachuteCount) << "position " << p;
    }
}

TEST(Sweep, ApplyRecapturesTheAirVolume) {
    RocketModel m = built({});
    applySweepValue(3, 3, m); // bottle volume 3 L with 40 %
    EXPECT_EQ(m.bottleVolume, 3);
    EXPECT_EQ(m.waterLevel, 0.4);
    EXPECT_DOUBLE_EQ(m.initialAirVolume, m.airVolume());
    EXPECT_EQ(m.airPressure(), m.initialAirPressure);

    const double before = m.initialAirVolume;
    applySweepValue(30, 12, m); // a thicker rod takes room from the air
    EXPECT_LT(m.initialAirVolume, before);

    applySweepValue(2.9, 17, m);
    EXPECT_EQ(m.parachuteCount, 2);
    applySweepValue(200, 15, m);
    EXPECT_DOUBLE_EQ(m.parachuteArea, kPi); // 200 cm across: 1 m radius
    applySweepValue(4, 18, m);
    EXPECT_EQ(m.parachuteArea, 4);

    const RocketModel unchanged = m;
    applySweepValue(99, 20, m); // no such position
    applySweepValue(99, -1, m);
    EXPECT_EQ(m.gravity, unchanged.gravity);
    EXPECT_EQ(m.bottleVolume, unchanged.bottleVolume);
    EXPECT_EQ(m.waterLevel, unchanged.waterLevel);
    EXPECT_EQ(m.parachuteArea, unchanged.parachuteArea);
    EXPECT_EQ(m.emptyMass, unchanged.emptyMass);
}

TEST(Sweep, WaterVolumeIsAShareOfThePagesBottle) {
    const RocketModel base = built({});
    EXPECT_DOUBLE_EQ(sweepValueToInternal(0.5, 11, unit::litre, base), 0.25);
    EXPECT_DOUBLE_EQ(sweepValueToInternal(1.5, 11, unit::litre, base), 0.75);
}

} // namespace
} // namespace hydrolofter
