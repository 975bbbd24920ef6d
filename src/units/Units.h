// Unit families, their unit names and factors, and conversion between units of a family.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace hydrolofter {

enum class UnitFamily : int {
    SmallLength,
    LargeLength,
    Velocity,
    Acceleration,
    Temperature,
    Density,
    Volume,
    Mass,
    Pressure,
    Area
};
inline constexpr int kUnitFamilyCount = 10;

/// Index of "%" in the Volume-or-percent list: the five volume units, then a share.
inline constexpr int kPercentUnit = 5;

/// The units of each family by name: each value is the unit's index in its family's list.
namespace unit {
enum SmallLengthUnit : int { cm, inch, mm };
enum LargeLengthUnit : int { ft, m, yd };
enum VelocityUnit : int { ftPerSec, ftPerMin, mPerSec, mph, kmPerH };
enum AccelerationUnit : int { ftPerSec2, ftPerMin2, gees, mPerSec2, miPerHr2, kmPerH2 };
enum TemperatureUnit : int { degC, degF, kelvin };
enum DensityUnit : int { gPerCm3, kgPerL, kgPerM3, lbsPerFt3 };
enum VolumeUnit : int { gallon, litre, m3, mL, quart };
enum MassUnit : int { gram, kg, lbs, oz };
enum PressureUnit : int { atm, inHg, kPa, pascal, psi, torr };
enum AreaUnit : int { cm2, in2, ft2, m2, yd2 };
} // namespace unit

/// The unit names of a family in list order; empty for a value outside the enumeration.
std::span<const std::string_view> unitNames(UnitFamily family);
/// Number of units in the family's list (0 for a value outside the enumeration).
int unitCount(UnitFamily family);

/// A conversion between two units of a factor family, fixed once so that a run can apply it
/// at every step: value × target factor ÷ source factor, in that order.
struct LinearConversion {
    double toFactor = 1;
    double fromFactor = 1;
    double operator()(double value) const {
        // Dividing by 1 changes no bit, so the division (the slow part) is skipped for
        // conversions out of a reference unit; the result is the same to the last bit.
        const double scaled = value * toFactor;
        return fromFactor == 1 ? scaled : scaled / fromFactor;
    }
};

/// The conversion between two units of a factor family; NaN factors for an index outside
/// the list or for Temperature, which is not a factor family.
LinearConversion linearConversion(UnitFamily family, int fromIndex, int toIndex);

/// value given in unit fromIndex, expressed in unit toIndex of the same family.
/// Factor families multiply by the target factor first, then divide by the source factor.
/// An index outside a factor family's list gives NaN, which the input check refuses;
/// Temperature takes any index other than "deg F" or "K" as "deg C".
double convertUnits(UnitFamily family, double value, int fromIndex, int toIndex);

/// The family's unit names in index order, as a drop-down lists them; withPercent (the
/// volume-or-percent list) adds "%" after the five volumes.
std::vector<std::string> unitChoices(UnitFamily family, bool withPercent = false);

} // namespace hydrolofter
