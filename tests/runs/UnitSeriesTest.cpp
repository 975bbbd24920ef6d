// Every plot, result and sweep variable in every unit of its list, against conversions
// made here from the unit definitions (typed in, not read from the program's tables).
#include "runs/RunSimulation.h"
#include "support/RecordingHost.h"
#include "support/UnitDefinitions.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <vector>

namespace hydrolofter {
namespace {

constexpr double kBottleLitres = 2; // the default bottle

using test::definedConversion;

/// A display value of a variable in unit `to`, from the same quantity shown in unit `from`.
/// Volume-or-percent lists show a share of the default bottle as "%".
double redisplay(VariableId v, double value, int from, int to) {
    const VariableInfo& info = variableInfo(v);
    switch (info.units.kind) {
    case UnitListKind::Fixed:
        return value;
    case UnitListKind::Family:
        return definedConversion(info.units.family, value, from, to);
    case UnitListKind::VolumeOrPercent: {
        const double litres = from == 5 ? value * kBottleLitres / 100
                                        : definedConversion(UnitFamily::Volume, value, from, 1);
        return to == 5 ? litres * 100 / kBottleLitres
                       : litres * definedConversion(UnitFamily::Volume, 1, 1, to);
    }
    }
    return NAN;
}

::testing::AssertionResult close(double actual, double expected) {
    const double tol = 1e-12 * std::max(1.0, std::fabs(expected));
    if (std::fabs(actual - expected) <= tol)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " is not " << expected;
}

std::unique_ptr<SampleSeries> fly(const RunSettings& s) {
    auto series = std::make_unique<SampleSeries>();
    test::RecordingHost host;
    RunOptions bounded;
    bounded.maxFlightTime = 60; // the default flight lands after about 6 s
    bounded.threads = 1;
    runSimulation({s, {}, bounded}, host, *series);
    EXPECT_EQ(series->outcome, RunOutcome::Completed);
    return series;
}

using Column = std::array<double, SampleSeries::capacity> SampleSeries::*;

/// Flies base with each variable of [first, last] chosen in its default unit and then in
/// every unit of its list, and checks the columns of every entry against the conversion.
void checkEveryUnit(RunSettings base, VariableId RunSettings::*variable, int RunSettings::*unit,
                    VariableId first, VariableId last, std::initializer_list<Column> columns) {
    for (VariableId v = first; v <= last; ++v) {
        const int defaultUnit = variableInfo(v).defaultUnit;
        base.*variable = v;
        base.*unit = defaultUnit;
        const auto reference = fly(base);
        ASSERT_GE(reference->count, 11);
        const int stride = reference->count > 100 ? 7 : 1;
        for (int u = 0; u < unitListSize(v); ++u) {
            base.*unit = u;
            const auto shown = fly(base);
            ASSERT_EQ(shown->count, reference->count);
            for (int k = 0; k < shown->count; k += stride) {
                for (Column c : columns) {
                    const auto i = std::size_t(k);
                    ASSERT_TRUE(
                        close((*shown.*c)[i], redisplay(v, (*reference.*c)[i], defaultUnit, u)))
                        << variableInfo(v).name << " in " << unitName(v, u) << ", entry " << k;
                }
            }
        }
    }
}

TEST(UnitSeries, EveryPlotVariableInEveryUnit) {
    checkEveryUnit({}, &RunSettings::plotVariable, &RunSettings::plotUnit, var::Acceleration,
                   var::WindResistance, {&SampleSeries::column1, &SampleSeries::column2});
}

TEST(UnitSeries, EveryResultVariableInEveryUnit) {
    RunSettings sweep;
    sweep.mode = OneVariableOptimization;
    checkEveryUnit(sweep, &RunSettings::oneVarDependent, &RunSettings::oneVarDependentUnit,
                   var::ApogeeTime, var::TimeAloft, {&SampleSeries::column3});
}

/// A typed temperature in degrees Celsius: 5/9 of the Fahrenheit difference from 32, or
/// kelvin less 273.15.
double celsius(double value, int unit) {
    return unit == 1 ? (value - 32) * 5 / 9 : unit == 2 ? value - 273.15 : value;
}

TEST(UnitSeries, EverySweepVariableInEveryUnit) {
    // The internal unit each sweep variable is flown in, from its definition: -1 for a
    // fixed label (the value as typed), -2 for a temperature, -3 for a share of the bottle.
    const int internal[kSweepPositions] = {-2,
                                           0 /* atm */,
                                           -2,
                                           1 /* L */,
                                           2 /* mm */,
                                           -1,
                                           1 /* kg */,
                                           3 /* m/sec^2 */,
                                           3 /* Pa */,
                                           1 /* m */,
                                           2 /* m/sec */,
                                           -3,
                                           2 /* mm */,
                                           2 /* mm */,
                                           -1,
                                           0 /* cm */,
                                           -1,
                                           -1,
                                           3 /* m^2 */,
                                           2 /* kg/m^3 */,
                                           2 /* mm */,
                                           -1,
                                           -1};
    RocketModel base;
    base.bottleVolume = kBottleLitres;
    const double typed = 1.7;
    for (int p = 0; p < kSweepPositions; ++p) {
        const VariableId v = variableAt(VariableList::SweepVariables, p);
        for (int u = 0; u < unitListSize(v); ++u) {
            double expected = 0;
            switch (internal[p]) {
            case -1:
                expected = typed;
                break;
            case -2:
                expected = celsius(typed, u);
                break;
            case -3:
                expected = u == 5
                               ? typed / 100
                               : definedConversion(UnitFamily::Volume, typed, u, 1) / kBottleLitres;
                break;
            default:
                expected = definedConversion(variableInfo(v).units.family, typed, u, internal[p]);
            }
            EXPECT_TRUE(close(sweepValueToInternal(typed, p, u, base), expected))
                << variableInfo(v).name << " in " << unitName(v, u);
        }
    }
}

} // namespace
} // namespace hydrolofter
