// Unit conversions and list filling.
#include "units/Units.h"
#include "support/Printed.h"
#include "support/UnitDefinitions.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace hydrolofter {
namespace {

using test::matchesPrinted;

struct Conversion {
    UnitFamily family;
    double value;
    int from;
    int to;
    const char* printed;
};

TEST(Units, WorkedConversions) {
    using F = UnitFamily;
    const Conversion cases[] = {
        {F::Pressure, 60, unit::psi, unit::pascal, "413571.4286"},
        {F::SmallLength, 1, 1, unit::mm, "25.39999983"},
        {F::Acceleration, 1, 2, unit::mPerSec2, "9.806000056"},
        {F::Volume, 2, unit::litre, unit::litre, "2"},
        {F::SmallLength, 110, unit::mm, unit::mm, "110"},
        {F::SmallLength, 1, unit::cm, unit::mm, "10"},
        {F::SmallLength, 10, unit::mm, unit::cm, "1"},
        {F::SmallLength, 1, 1, unit::cm, "2.539999983"},
        {F::Density, 1, 1, unit::kgPerM3, "1000"},
        {F::Density, 1, 0, unit::kgPerM3, "1000"},
        {F::Volume, 1, 0, unit::litre, "3.787878788"},
        {F::Volume, 1, 4, unit::litre, "0.946969697"},
        {F::Area, 1, unit::m2, 2, "10.76391042"},
        {F::Area, 1, 2, unit::m2, "0.09290304"},
        {F::Velocity, 2.23693629, 3, unit::mPerSec, "1"},
        {F::Velocity, 3.6, 4, unit::mPerSec, "1"},
        {F::Temperature, 70, unit::degF, unit::degC, "21.111111"},
        {F::Temperature, 60, unit::degF, unit::degC, "15.555556"},
        {F::Temperature, 300, unit::kelvin, unit::degC, "26.85"},
        {F::Temperature, 212, unit::degF, unit::degC, "100"},
        {F::Temperature, -40, unit::degF, unit::degC, "-40"},
        {F::Temperature, 273.15, unit::kelvin, unit::degC, "0"},
    };
    for (const Conversion& c : cases) {
        EXPECT_TRUE(matchesPrinted(convertUnits(c.family, c.value, c.from, c.to), c.printed))
            << "family " << int(c.family) << " " << c.value << " " << c.from << "→" << c.to;
    }
}

TEST(Units, EveryFactorAgainstItsDefinition) {
    // One reference unit in each unit of its family: 1 atm is 760 torr, 101.325 kPa,
    // 29.92125984 in Hg and 14.7 PSI; 1 kg is 2.205 lbs; and so on.
    int checked = 0;
    for (const auto& [family, units] : test::kUnitsPerReference) {
        ASSERT_EQ(unitCount(family), int(units.size()));
        const int reference = int(std::find(units.begin(), units.end(), 1.0) - units.begin());
        for (int i = 0; i < unitCount(family); ++i, ++checked) {
            EXPECT_EQ(convertUnits(family, 1, reference, i), units[std::size_t(i)])
                << unitNames(family)[std::size_t(i)];
            // And back: a reference unit's worth of the unit is one reference unit.
            EXPECT_NEAR(convertUnits(family, units[std::size_t(i)], i, reference), 1, 4e-16)
                << unitNames(family)[std::size_t(i)];
        }
    }
    EXPECT_EQ(checked, 41); // every unit but the three temperatures
}

TEST(Units, EqualIndicesAndOrderOfOperations) {
    EXPECT_EQ(convertUnits(UnitFamily::Volume, 2, unit::litre, unit::litre), 2);
    EXPECT_EQ(convertUnits(UnitFamily::SmallLength, 110, unit::mm, unit::mm), 110);
    // Multiplying and dividing by the same factor may cost the last bit, never more.
    for (int f = 0; f < kUnitFamilyCount; ++f) {
        if (UnitFamily(f) == UnitFamily::Temperature)
            continue; // only ever converted into "deg C"
        for (int i = 0; i < unitCount(UnitFamily(f)); ++i)
            EXPECT_NEAR(convertUnits(UnitFamily(f), 1.2345, i, i), 1.2345, 4e-16);
    }
    // Multiply by the target factor first, then divide by the source factor.
    EXPECT_EQ(convertUnits(UnitFamily::Pressure, 60, unit::psi, unit::pascal), 60 * 101325 / 14.7);
    EXPECT_EQ(convertUnits(UnitFamily::Temperature, 70, unit::degF, unit::degC),
              (70 - 32) * 0.5555555555555556);
}

TEST(Units, OutOfRangeIndices) {
    EXPECT_TRUE(std::isnan(convertUnits(UnitFamily::Volume, 1, 5, unit::litre)));
    EXPECT_TRUE(std::isnan(convertUnits(UnitFamily::Mass, 1, unit::kg, -1)));
    EXPECT_TRUE(std::isnan(convertUnits(UnitFamily(42), 1, 0, 0)));
    EXPECT_EQ(convertUnits(UnitFamily::Temperature, 12, 7, unit::degC), 12); // taken as deg C
}

TEST(Units, UnitChoicesInIndexOrder) {
    const std::vector<std::string> expected[] = {
        {"cm", "in", "mm"},
        {"ft", "m", "yds"},
        {"ft/sec", "ft/min", "m/sec", "MPH", "km/h"},
        {"ft/sec^2", "ft/min^2", "G's", "m/sec^2", "mi/hr^2", "km/h^2"},
        {"deg C", "deg F", "K"},
        {"g/cm^3", "kg/L", "kg/m^3", "lbs/ft^3"},
        {"gal", "L", "m^3", "mL", "qt"},
        {"g", "kg", "lbs", "oz"},
        {"atm", "in Hg", "kPa", "Pa", "PSI", "torr"},
        {"cm^2", "in^2", "ft^2", "m^2", "yds^2"},
    };
    int total = 0;
    for (int f = 0; f < kUnitFamilyCount; ++f) {
        const std::vector<std::string> list = unitChoices(UnitFamily(f));
        EXPECT_EQ(list, expected[f]);
        total += int(list.size());
    }
    EXPECT_EQ(total, 44);
    EXPECT_EQ(unitChoices(UnitFamily::Volume, true),
              (std::vector<std::string>{"gal", "L", "m^3", "mL", "qt", "%"}));
}

} // namespace
} // namespace hydrolofter
