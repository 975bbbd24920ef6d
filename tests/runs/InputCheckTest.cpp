// Non-physical inputs are refused with messages that name the input.
#include "runs/InputCheck.h"

#include "runs/FieldTable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
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
        s.mode = static_cast<RunMode>(mode);
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
        // 14.7 PSI absolute is the atmosphere's own; 2 mL is less than the 5.7 mL of rod.
        {[](SimulationInputs& in) { in.initialPressure = 14.7; },
         "Initial Pressure: the rocket cannot lift off: the pressure in the bottle is not above "
         "the atmosphere's"},
        {[](SimulationInputs& in) {
             in.bottleVolume = 2;
             in.bottleVolumeUnit = unit::mL;
         },
         "Bottle Volume: the launch rod fills the bottle (the 5.70199 mL"},
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
        {[](SimulationInputs& in) { in.gravity = 1e308 * 10; }, "Gravity Constant: is too large"},
        {[](SimulationInputs& in) {
             in.bottleVolume = 1e308;
             in.bottleVolumeUnit = unit::gallon;
         },
         "Bottle Volume: is too large to simulate"},
        {[](SimulationInputs& in) { in.gravity = 9.806; },
         "Gravity Constant: gravity points down, so it is entered as a negative number "
         "(e.g. -9.806 m/sec^2)."},
        {[](SimulationInputs& in) { in.gravity = 0; }, "Gravity Constant: gravity points down"},
        {[](SimulationInputs& in) { in.bottleVolumeUnit = 7; }, "Bottle Volume: must be a finite"},
        {[](SimulationInputs& in) { in.nozzleDiameter = 110; }, "Nozzle Diameter: must be smal"},
        {[](SimulationInputs& in) { in.dischargeCoefficient = 0; }, "Discharge Coefficient: mus"},
        {[](SimulationInputs& in) { in.expansionExponent = -1; }, "Expansion Exponent: must be"},
    };
    RunSettings extended;
    extended.flightModel = ExtendedModel;
    for (const BadInput& c : cases) {
        SimulationInputs in;
        c.change(in);
        const std::vector<std::string> problems = checkInputs({}, in);
        EXPECT_TRUE(mentions(problems, c.expected)) << c.expected;
        // Both flight models refuse the same inputs.
        EXPECT_EQ(checkInputs(extended, in), problems) << c.expected;
        for (const std::string& p : problems)
            EXPECT_EQ(p.back(), '.') << p;
    }
}

TEST(InputCheck, LimitsOfWhatCanBeSimulated) {
    struct Limit {
        const char* caption;
        void (*set)(SimulationInputs&, double); ///< in the unit of `unit`
        double largest;                         ///< of the magnitude
        double smallest;                        ///< of a positive value; 0: none
        const char* unit;
    };
    using In = SimulationInputs;
    const Limit limits[] = {
        {"Gravity Constant", [](In& in, double v) { in.gravity = -v; }, 1e4, 0, "m/sec^2"},
        {"Water Density", [](In& in, double v) { in.waterDensity = v; }, 1e5, 1e-3, "kg/m^3"},
        {"Atmospheric Pressure", [](In& in, double v) { in.atmPressure = v; }, 1e3, 0, "atm"},
        {"Atmospheric Temperature",
         [](In& in, double v) {
             in.atmTemperatureUnit = unit::degC;
             in.atmTemperature = v;
         },
         1e4, 0, "deg C"},
        {"Updraft",
         [](In& in, double v) {
             in.updraftUnit = unit::mPerSec;
             in.updraft = v;
         },
         1e4, 0, "m/sec"},
        {"Launch Rod Height", [](In& in, double v) { in.launchRodHeight = v; }, 1e6, 0, "mm"},
        {"Height", [](In& in, double v) { in.initialHeight = v; }, 1e7, 0, "m"},
        {"Velocity", [](In& in, double v) { in.initialVelocity = v; }, 1e5, 0, "m/sec"},
        {"Diameter", [](In& in, double v) { in.bottleDiameter = v; }, 1e6, 1e-3, "mm"},
        {"Bottle Volume", [](In& in, double v) { in.bottleVolume = v; }, 1e7, 1e-6, "L"},
        {"Drag Coefficient", [](In& in, double v) { in.dragCoefficient = v; }, 1e3, 0, ""},
        {"Initial Pressure",
         [](In& in, double v) {
             in.initialPressureUnit = unit::pascal;
             in.initialPressure = v;
         },
         1e9, 1e-3, "Pa"},
        {"Air Temperature",
         [](In& in, double v) {
             in.airTemperatureUnit = unit::degC;
             in.airTemperature = v;
         },
         1e4, 0, "deg C"},
        {"Empty Mass",
         [](In& in, double v) {
             in.emptyMassUnit = unit::kg;
             in.emptyMass = v;
         },
         1e6, 1e-6, "kg"},
        {"Parachute Drag Coefficient", [](In& in, double v) { in.parachuteDragCoefficient = v; },
         1e3, 0, ""},
        {"Parachute Deploy Time", [](In& in, double v) { in.parachuteDeployTime = v; }, 1e6, 0,
         "sec"},
    };
    auto problems = [](const Limit& l, double v) {
        SimulationInputs in;
        in.waterAmount = 0; // no water volume to overflow the bottle when it shrinks
        l.set(in, v);
        return checkInputs({}, in);
    };
    auto text = [](double v) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%g", v);
        return std::string(buf);
    };
    const double beyond = 1.0001, within = 0.9999;
    for (const Limit& l : limits) {
        const std::string unit = *l.unit ? std::string(" ") + l.unit : "";
        const std::string tooLarge = std::string(l.caption) +
                                     ": is too large to simulate (at most " + text(l.largest) +
                                     unit + ").";
        for (double sign : {1.0, -1.0}) {
            if (l.set == limits[0].set && sign < 0)
                continue; // gravity is entered negative: the row's setter negates it
            EXPECT_FALSE(mentions(problems(l, sign * l.largest), tooLarge)) << tooLarge;
            EXPECT_TRUE(mentions(problems(l, sign * l.largest * beyond), tooLarge)) << tooLarge;
        }
        if (l.smallest > 0) {
            const std::string tooSmall = std::string(l.caption) +
                                         ": is too small to simulate (at least " +
                                         text(l.smallest) + unit + ").";
            EXPECT_FALSE(mentions(problems(l, l.smallest), tooSmall)) << tooSmall;
            EXPECT_TRUE(mentions(problems(l, l.smallest * within), tooSmall)) << tooSmall;
        }
    }
}

TEST(InputCheck, AbsoluteZeroIsRefusedAndAHairAboveIsNot) {
    struct Case {
        int unit;
        double atZero;
        double above;
    };
    const Case cases[] = {
        {unit::degC, -273.15, -273.149}, {unit::degF, -459.67, -459.66}, {unit::kelvin, 0, 0.001}};
    for (const Case& c : cases) {
        for (bool air : {true, false}) {
            SimulationInputs in;
            (air ? in.airTemperatureUnit : in.atmTemperatureUnit) = c.unit;
            double& typed = air ? in.airTemperature : in.atmTemperature;
            const std::string refused = std::string(air ? "Air" : "Atmospheric") +
                                        " Temperature: must be above absolute zero";
            typed = c.atZero;
            EXPECT_TRUE(mentions(checkInputs({}, in), refused)) << c.atZero;
            typed = c.above;
            EXPECT_FALSE(mentions(checkInputs({}, in), refused)) << c.above;
        }
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

namespace hydrolofter {
namespace {

// Every input a run reads is checked under the name its page gives it.
TEST(InputCheck, EveryInputARunReadsIsNamedAsItsPageNamesIt) {
    const std::pair<const char*, const char*> named[] = {
        {"bottleDiameter", "Diameter"},
        {"bottleVolume", "Bottle Volume"},
        {"dragCoefficient", "Drag Coefficient"},
        {"emptyMass", "Empty Mass"},
        {"parachuteDiameter", "Diameter (parachute)"},
        {"parachuteDragCoefficient", "Parachute Drag Coefficient"},
        {"parachuteDeployTime", "Parachute Deploy Time"},
        {"launchRodDiameter", "Launch Rod Diameter"},
        {"launchRodHeight", "Launch Rod Height"},
        {"atmPressure", "Atmospheric Pressure"},
        {"atmTemperature", "Atmospheric Temperature"},
        {"gravity", "Gravity Constant"},
        {"updraft", "Updraft"},
        {"waterAmount", "Water Volume"},
        {"initialPressure", "Initial Pressure"},
        {"airTemperature", "Air Temperature"},
        {"waterDensity", "Water Density"},
        {"initialHeight", "Height"},
        {"initialVelocity", "Velocity"},
        {"nozzleDiameter", "Nozzle Diameter"},
        {"dischargeCoefficient", "Discharge Coefficient"},
        {"expansionExponent", "Expansion Exponent"},
    };
    int checked = 0;
    for (const Field& f : fields()) {
        if (f.model.rule == ModelRule::None || f.kind != FieldKind::Number || !fieldApplies(f, {}))
            continue;
        const auto* row = std::find_if(std::begin(named), std::end(named),
                                       [&](const auto& n) { return f.name == n.first; });
        ASSERT_NE(row, std::end(named)) << f.name << " is read by runs but not checked here";
        SimulationInputs in;
        in.*std::get<InputNumber>(f.member) = std::nan("");
        const std::vector<std::string> problems = checkInputs({}, in);
        EXPECT_TRUE(mentions(problems, std::string(row->second) + ": must be a finite number."))
            << f.name;
        ++checked;
    }
    EXPECT_EQ(checked, int(std::size(named)));
}

} // namespace
} // namespace hydrolofter
