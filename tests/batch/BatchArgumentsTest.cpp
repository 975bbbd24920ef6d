// Reading hydrolofter-batch's arguments into inputs and settings.
#include "batch/BatchArguments.h"
#include "runs/FieldTable.h"
#include "runs/RunMessages.h"

#include <gtest/gtest.h>

namespace hydrolofter {
namespace {

TEST(BatchArguments, FieldsByName) {
    const BatchParse p = parseBatchArguments(
        {"bottleVolume=1.5", "bottleVolumeUnit=mL", "kamikaze=0", "mode=2", "yRangeTo=90",
         "rocketDescription=Red one", "--summary", "--max-time", "20"});
    ASSERT_EQ(p.error, "");
    EXPECT_EQ(p.options.inputs.bottleVolume, 1.5);
    EXPECT_EQ(p.options.inputs.bottleVolumeUnit, 3);
    EXPECT_EQ(p.options.inputs.kamikaze, 0);
    EXPECT_EQ(p.options.settings.mode, 2);
    EXPECT_EQ(p.options.settings.yRangeTo, 90);
    EXPECT_EQ(p.options.inputs.rocketDescription, "Red one");
    EXPECT_TRUE(p.options.summary);
    EXPECT_EQ(p.options.maxTime, 20);
}

TEST(BatchArguments, VariablesBringTheirDefaultUnit) {
    BatchParse p = parseBatchArguments({"oneVarIndependent=Initial Air Pressure"});
    ASSERT_EQ(p.error, "");
    EXPECT_EQ(p.options.settings.oneVarIndependent, var::InitialAirPressure);
    EXPECT_EQ(p.options.settings.oneVarIndependentUnit, unit::psi);
    // A unit given too wins, whichever comes first.
    p = parseBatchArguments({"plotUnit=ft/sec", "plotVariable=Velocity"});
    ASSERT_EQ(p.error, "");
    EXPECT_EQ(p.options.settings.plotVariable, var::Velocity);
    EXPECT_EQ(p.options.settings.plotUnit, 0);
    p = parseBatchArguments({"xAxisVariable=29", "waterAmountUnit=%"});
    ASSERT_EQ(p.error, "");
    EXPECT_EQ(p.options.settings.xAxisVariable, var::LaunchRodDiameter);
    EXPECT_EQ(p.options.settings.xAxisUnit, unit::mm);
    EXPECT_EQ(p.options.inputs.waterAmountUnit, kPercentUnit);
}

TEST(BatchArguments, Errors) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"nope=1"}, "unknown name 'nope'"},
        {{"bottleVolume="}, "is not a decimal number"},
        {{"bottleVolume=1,5"}, "is not a decimal number"},
        {{"bottleVolume=nan"}, "is not a decimal number"},
        {{"bottleVolume=1e999"}, "is not a decimal number"},
        {{"parachuteCount=1.5"}, "is not a whole number"},
        {{"kamikaze=7"}, "'kamikaze=7': must be a whole number from 0 to 1"},
        {{"parachuteShape=9"}, "'parachuteShape=9': must be a whole number from 0 to 1"},
        {{"mode=7"}, "'mode=7': must be a whole number from 0 to 2"},
        {{"atmTemperatureUnit=Celsius"}, "unknown unit 'Celsius'"},
        {{"plotVariable=Time Aloft"}, "unknown variable 'Time Aloft'"},
        {{"plotVariable=Mass", "plotUnit=m"}, "unknown unit 'm'"},
        {{"bottleVolume"}, "expected NAME=VALUE"},
        {{"--max-time"}, "needs a value"},
        {{"--frobnicate"}, "unknown option"},
        {{"bottleVolumeUnit=9"},
         "bottleVolumeUnit=9: not a unit of its list (0..4: gal, L, m^3, mL, qt)"},
        {{"waterAmountUnit=-1"},
         "waterAmountUnit=-1: not a unit of its list (0..5: gal, L, m^3, mL, qt, %)"},
        {{"atmTemperatureUnit=3"}, "atmTemperatureUnit=3: not a unit of its list (0..2: "},
        {{"oneVarDependent=9"},
         "oneVarDependent=9: not a variable of its list (10 Apogee Time, 11 Burnout "},
        {{"plotVariable=Thrust", "plotUnit=1"}, "plotUnit=1: not a unit of its list (0..0: N)"},
    };
    for (const auto& [args, expected] : cases) {
        const BatchParse p = parseBatchArguments(args);
        EXPECT_NE(p.error.find(expected), std::string::npos) << args[0] << ": " << p.error;
    }
    // The last index of each list is still accepted.
    EXPECT_EQ(parseBatchArguments({"bottleVolumeUnit=4", "waterAmountUnit=5"}).error, "");
}

TEST(FieldTable, EveryPairingNamesAFieldThatPairsBack) {
    int pairs = 0;
    for (const Field& f : fields()) {
        EXPECT_EQ(findField(f.name), &f) << f.name; // names are unique
        if (f.paired.empty())
            continue;
        const Field* other = findField(f.paired);
        ASSERT_NE(other, nullptr) << f.name;
        EXPECT_EQ(other->paired, f.name) << f.name;
        EXPECT_EQ(other->group, f.group) << f.name;
        ++pairs;
    }
    EXPECT_EQ(pairs, 2 * (18 + 6)); // 6 + 6 + 6 numbers with units on the pages, 6 variables
}

TEST(BatchArguments, ExitStatusOfEachOutcome) {
    // No input that the check accepts is known to diverge, so the mapping is pinned here.
    const std::pair<RunOutcome, int> cases[] = {
        {RunOutcome::Completed, 0}, {RunOutcome::Refused, 3},   {RunOutcome::TimedOut, 4},
        {RunOutcome::Diverged, 6},  {RunOutcome::Cancelled, 3},
    };
    for (const auto& [outcome, status] : cases)
        EXPECT_EQ(int(exitStatusFor(outcome)), status) << int(outcome);
    EXPECT_EQ(outcomeMessage(RunOutcome::Diverged, 5), kDivergedMessage);
    EXPECT_EQ(outcomeMessage(RunOutcome::TimedOut, 5),
              "a flight was still in the air after 5 simulated seconds (--max-time); nothing "
              "printed");
    EXPECT_NE(batchUsage().find("6 a flight diverged"), std::string::npos);
}

} // namespace
} // namespace hydrolofter
