// The unit factors as the unit definitions give them, typed here once for the tests, so that
// a typo in the program's own table cannot hide behind a test that reads that table.
#pragma once

#include "units/Units.h"

#include <map>
#include <vector>

namespace hydrolofter::test {

/// Units per reference unit, in list order, for every family but Temperature.
inline const std::map<UnitFamily, std::vector<double>> kUnitsPerReference = {
    {UnitFamily::SmallLength, {1, 0.39370079, 10}},
    {UnitFamily::LargeLength, {3.2808399, 1, 1.0936133}},
    {UnitFamily::Velocity, {3.2808399, 196.8503937, 1, 2.23693629, 3.6}},
    {UnitFamily::Acceleration, {3.2808399, 11811.02364, 0.10197838, 1, 8052.970664, 12960}},
    {UnitFamily::Density, {0.001, 0.001, 1, 0.06243865}},
    {UnitFamily::Volume, {264, 1000, 1, 1000000, 1056}},
    {UnitFamily::Mass, {1000, 1, 2.205, 35.274}},
    {UnitFamily::Pressure, {1, 29.92125984, 101.325, 101325, 14.7, 760}},
    {UnitFamily::Area, {10000, 1550.0031, 10.76391042, 1, 1.19599005}},
};

/// value in unit `from` expressed in unit `to` of a factor family, by the definitions.
inline double definedConversion(UnitFamily family, double value, int from, int to) {
    const std::vector<double>& f = kUnitsPerReference.at(family);
    return value * f[std::size_t(to)] / f[std::size_t(from)];
}

} // namespace hydrolofter::test
