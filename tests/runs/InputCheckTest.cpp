// Non-physical inputs are refused with messages that name the input.
#include "runs/InputCheck.h"

#include <cmath>
#include <gtest/gtest.h>

namespace hydrolofter {
namespace {

bool mentions(const std::vector<std::string>& problems, const std::string& text) {
    for (const std::string& p : problems) {
        if (p.find(text) != std::string::npos)
            return true;
    }
    return false;
}

TEST(InputCheck, DefaultsPass) {
    for (int mode = 0; mode < 3; ++mode) {
        RunSettings s;
        s.mode = mode;
        EXPECT_TRUE(checkInputs(s, {}).empty()) << "mode " << mode;
    }
}

struct BadInput {
    void (*change)(SimulationInputs&);
    const char* expected;
};

TEST(InputCheck, EachNonPhysicalInputIsNamed) {
    const BadInput cases[] = {
        {[](SimulationInputs& in) { in.bottleVolume = 0; }, "Bottle Volume: must be greater"},
        {[](SimulationInputs& in) { in.bottleDiameter = -1; }, "Diameter: must be greater"},
        {[](SimulationInputs& in) { in.launchRodDiameter = 110; }, "Launch Rod Diameter: must be"},
        {[](SimulationInputs& in) { in.launchRodDiameter = -1; }, "Launch Rod Diameter: must not"},
        {[](SimulationInputs& in) { in.launchRodHeight = -1; }, "Launch Rod Height: must not"},
        {[](SimulationInputs& in) { in.waterAmount = -5; }, "Water Volume: must not be negative"},
        {[](SimulationInputs& in) { in.waterAmount = 100; }, "Water Volume: leaves no room"},
        {[](SimulationInputs& in) { in.initialPressure = 0; }, "Initial Pressure: must be"},
        {[](SimulationInputs& in) { in.airTemperature = -500; }, "Air Temperature: must be above"},
        {[](SimulationInputs& in) {
             in.atmTemperature = -300;
             in.atmTemperatureUnit = 0;
         },
         "Atmospheric Temperature: must be above"},
        {[](SimulationInputs& in) { in.atmPressure = -1; }, "Atmospheric Pressure: must not"},
        {[](SimulationInputs& in) { in.waterDensity = 0; }, "Water Density: must be greater"},
        {[](SimulationInputs& in) { in.emptyMass = 0; }, "Empty Mass: must be greater"},
        {[](SimulationInputs& in) { in.dragCoefficient = -0.1; }, "Drag Coefficient: must not"},
        {[](SimulationInputs& in) { in.parachuteCount = -1; }, "Number of Parachutes:"},
        {[](SimulationInputs& in) { in.parachuteDragCoefficient = -1; }, "Parachute Drag"},
        {[](SimulationInputs& in) {
             in.parachuteShape = 1;
             in.parachuteSurfaceArea = -1;
         },
         "Surface Area (parachute): must not"},
        {[](SimulationInputs& in) { in.gravity = 1e308 * 10; }, "Gravity Constant: must be a"},
        {[](SimulationInputs& in) { in.gravity = 9.806; },
         "Gravity Constant: gravity points down, so it is entered as a negative number "
         "(e.g. -9.806 m/sec^2)."},
        {[](SimulationInputs& in) { in.gravity = 0; }, "Gravity Constant: gravity points down"},
        {[](SimulationInputs& in) { in.bottleVolumeUnit = 7; }, "Bottle Volume: must be a finite"},
    };
    for (const BadInput& c : cases) {
        SimulationInputs in;
        c.change(in);
        const std::vector<std::string> problems = checkInputs({}, in);
        EXPECT_TRUE(mentions(problems, c.expected)) << c.expected;
        for (const std::string& p : problems)
            EXPECT_EQ(p.back(), '.') << p;
    }
}

TEST(InputCheck, EveryProblemIsListed) {
    SimulationInputs in;
    in.emptyMass = 0;
    in.waterDensity = -1;
    in.initialPressure = -1;
    EXPECT_EQ(checkInputs({}, in).size(), 3u);
}

TEST(InputCheck, SweepPointsAreNamed) {
    RunSettings s;
    s.mode = OneVariableOptimization;
    s.oneVarIndependent = var::BottleVolume;
    s.oneVarIndependentUnit = 1;
    s.oneVarRangeFrom = 0;
    s.oneVarRangeTo = 3;
    const std::vector<std::string> problems = checkInputs(s, {});
    ASSERT_FALSE(problems.empty());
    EXPECT_EQ(problems[0],
              "Bottle Volume: must be greater than 0 (sweep point 1: Bottle Volume = 0 L).");
    EXPECT_FALSE(mentions(problems, "sweep point 2:"));
}

TEST(InputCheck, AProblemAtEveryPointIsReportedOnce) {
    RunSettings s;
    s.mode = TwoVariableOptimization;
    SimulationInputs in;
    in.waterDensity = 0;
    const std::vector<std::string> problems = checkInputs(s, in);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0], "Water Density: must be greater than 0.");
}

TEST(InputCheck, ManyBadPointsAreSummarised) {
    RunSettings s;
    s.mode = TwoVariableOptimization;
    s.xAxisVariable = var::EmptyMass;
    s.xRangeFrom = -100; // points 0..5 of 11 have no positive mass
    s.xRangeTo = 100;
    const std::vector<std::string> problems = checkInputs(s, {});
    ASSERT_EQ(problems.size(), 4u);
    EXPECT_TRUE(mentions(problems, "(sweep point 1: Empty Mass = -100 g, Initial Water Level = "
                                   "25 %)."));
    EXPECT_EQ(problems[3], "Empty Mass: must be greater than 0 (and 63 more sweep points).");
}

TEST(InputCheck, SettingsOutsideTheirLists) {
    RunSettings s;
    s.precision = 0;
    EXPECT_TRUE(mentions(checkInputs(s, {}), "Precision: must be from 1 to 8."));
    s = {};
    s.plotVariable = var::TimeAloft;
    EXPECT_TRUE(mentions(checkInputs(s, {}), "Plot: is not a variable"));
    s = {};
    s.plotUnit = 3;
    EXPECT_TRUE(mentions(checkInputs(s, {}), "Plot: has no such unit"));
    s = {};
    s.mode = OneVariableOptimization;
    s.oneVarRangeTo = std::nan("");
    EXPECT_TRUE(mentions(checkInputs(s, {}), "Range: must be a finite number"));
}

} // namespace
} // namespace hydrolofter
