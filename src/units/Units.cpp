// Unit tables: the decimal factors are the program's own, not exact definitions.
#include "Units.h"

#include <array>
#include <limits>

namespace hydrolofter {
namespace {

struct FamilyTable {
    std::span<const std::string_view> names;
    std::span<const double> factors; ///< units per reference unit; empty for Temperature
};

using namespace std::string_view_literals;

constexpr std::array smallLengthNames{"cm"sv, "in"sv, "mm"sv};
constexpr std::array smallLengthFactors{1.0, 0.39370079, 10.0};
constexpr std::array largeLengthNames{"ft"sv, "m"sv, "yds"sv};
constexpr std::array largeLengthFactors{3.2808399, 1.0, 1.0936133};
constexpr std::array velocityNames{"ft/sec"sv, "ft/min"sv, "m/sec"sv, "MPH"sv, "km/h"sv};
constexpr std::array velocityFactors{3.2808399, 196.8503937, 1.0, 2.23693629, 3.6};
constexpr std::array accelerationNames{"ft/sec^2"sv, "ft/min^2"sv, "G's"sv,
                                       "m/sec^2"sv,  "mi/hr^2"sv,  "km/h^2"sv};
constexpr std::array accelerationFactors{3.2808399, 11811.02364, 0.10197838,
                                         1.0,       8052.970664, 12960.0};
constexpr std::array temperatureNames{"deg C"sv, "deg F"sv, "K"sv};
constexpr std::array densityNames{"g/cm^3"sv, "kg/L"sv, "kg/m^3"sv, "lbs/ft^3"sv};
constexpr std::array densityFactors{0.001, 0.001, 1.0, 0.06243865};
constexpr std::array volumeNames{"gal"sv, "L"sv, "m^3"sv, "mL"sv, "qt"sv};
constexpr std::array volumeFactors{264.0, 1000.0, 1.0, 1000000.0, 1056.0};
constexpr std::array massNames{"g"sv, "kg"sv, "lbs"sv, "oz"sv};
constexpr std::array massFactors{1000.0, 1.0, 2.205, 35.274};
constexpr std::array pressureNames{"atm"sv, "in Hg"sv, "kPa"sv, "Pa"sv, "PSI"sv, "torr"sv};
constexpr std::array pressureFactors{1.0, 29.92125984, 101.325, 101325.0, 14.7, 760.0};
constexpr std::array areaNames{"cm^2"sv, "in^2"sv, "ft^2"sv, "m^2"sv, "yds^2"sv};
constexpr std::array areaFactors{10000.0, 1550.0031, 10.76391042, 1.0, 1.19599005};

const std::array<FamilyTable, kUnitFamilyCount> kFamilies{{
    {smallLengthNames, smallLengthFactors},
    {largeLengthNames, largeLengthFactors},
    {velocityNames, velocityFactors},
    {accelerationNames, accelerationFactors},
    {temperatureNames, {}},
    {densityNames, densityFactors},
    {volumeNames, volumeFactors},
    {massNames, massFactors},
    {pressureNames, pressureFactors},
    {areaNames, areaFactors},
}};

constexpr double kFiveNinths = 0.5555555555555556;
constexpr double kAbsoluteZeroOffset = 273.15;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

const FamilyTable* table(UnitFamily family) {
    const int f = static_cast<int>(family);
    if (f < 0 || f >= kUnitFamilyCount)
        return nullptr;
    return &kFamilies[static_cast<std::size_t>(f)];
}

bool validIndex(const FamilyTable& t, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < t.names.size();
}

double toCelsius(double value, int fromIndex) {
    if (fromIndex == unit::degF)
        return (value - 32) * kFiveNinths;
    if (fromIndex == unit::kelvin)
        return value - kAbsoluteZeroOffset;
    return value;
}

double fromCelsius(double celsius, int toIndex) {
    if (toIndex == unit::degF)
        return celsius / kFiveNinths + 32;
    if (toIndex == unit::kelvin)
        return celsius + kAbsoluteZeroOffset;
    return celsius;
}

} // namespace

std::span<const std::string_view> unitNames(UnitFamily family) {
    const FamilyTable* t = table(family);
    return t ? t->names : std::span<const std::string_view>{};
}

int unitCount(UnitFamily family) {
    return static_cast<int>(unitNames(family).size());
}

LinearConversion linearConversion(UnitFamily family, int fromIndex, int toIndex) {
    const FamilyTable* t = table(family);
    if (!t || t->factors.empty() || !validIndex(*t, fromIndex) || !validIndex(*t, toIndex))
        return {kNaN, kNaN};
    return {t->factors[static_cast<std::size_t>(toIndex)],
            t->factors[static_cast<std::size_t>(fromIndex)]};
}

double convertUnits(UnitFamily family, double value, int fromIndex, int toIndex) {
    if (family == UnitFamily::Temperature) {
        // Callers only ask for "deg C"; an index other than "deg F" or "K" is taken as "deg C".
        return fromCelsius(toCelsius(value, fromIndex), toIndex);
    }
    return linearConversion(family, fromIndex, toIndex)(value);
}

std::vector<std::string> unitChoices(UnitFamily family, bool withPercent) {
    std::vector<std::string> names(unitNames(family).begin(), unitNames(family).end());
    if (withPercent)
        names.emplace_back("%");
    return names;
}

} // namespace hydrolofter
