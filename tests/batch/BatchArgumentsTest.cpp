// Reading hydrolofter-batch's arguments into inputs and settings.
#include "batch/BatchArguments.h"

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
        {{"atmTemperatureUnit=Celsius"}, "unknown unit 'Celsius'"},
        {{"plotVariable=Time Aloft"}, "unknown variable 'Time Aloft'"},
        {{"plotVariable=Mass", "plotUnit=m"}, "unknown unit 'm'"},
        {{"bottleVolume"}, "expected NAME=VALUE"},
        {{"--max-time"}, "needs a value"},
        {{"--frobnicate"}, "unknown option"},
    };
    for (const auto& [args, expected] : cases) {
        const BatchParse p = parseBatchArguments(args);
        EXPECT_NE(p.error.find(expected), std::string::npos) << args[0] << ": " << p.error;
    }
}

} // namespace
} // namespace hydrolofter
