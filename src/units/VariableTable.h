// The variable catalogue itself, where rules over it must be known at compile time (a
// flight's results are tracked in its step loop).
#pragma once

#include "VariableCatalog.h"

#include <array>
#include <cstddef>
#include <iterator>
#include <span>

namespace hydrolofter::variableTable {

inline constexpr UnitList family(UnitFamily f) {
    return {UnitListKind::Family, f, {}};
}
inline constexpr UnitList fixed(std::string_view label) {
    return {UnitListKind::Fixed, UnitFamily::SmallLength, label};
}
inline constexpr UnitList volumeOrPercent{UnitListKind::VolumeOrPercent, UnitFamily::Volume, {}};

using F = UnitFamily;
using R = ResultTaken;
using Q = StepQuantity;
using P = PlotReading;

inline constexpr std::array<VariableInfo, var::Count> kCatalogue{{
    {"Acceleration", family(F::Acceleration), 3, unit::mPerSec2, {}, P::Acceleration},
    {"Air Pressure", family(F::Pressure), 4, unit::pascal, {}, P::AirPressure},
    {"Air Volume", volumeOrPercent, kPercentUnit, unit::litre, {}, P::AirVolume},
    {"Height", family(F::LargeLength), 1, unit::m, {}, P::Height},
    {"Launch Rod Force", fixed("N"), 0, 0, {}, P::RodForce},
    {"Mass", family(F::Mass), 0, unit::kg, {}, P::Mass},
    {"Thrust", fixed("N"), 0, 0, {}, P::Thrust},
    {"Velocity", family(F::Velocity), 2, unit::mPerSec, {}, P::Velocity},
    {"Water Level", volumeOrPercent, kPercentUnit, unit::litre, {}, P::WaterLevel},
    {"Wind Resistance", fixed("N"), 0, 0, {}, P::Drag},
    {"Apogee Time", fixed("sec"), 0, 0, {R::FirstTimeNotPositive, Q::Velocity}},
    {"Burnout Time", fixed("sec"), 0, 0, {R::FirstTimeNotPositive, Q::Burning}},
    {"Impact Velocity",
     family(F::Velocity),
     2,
     unit::mPerSec,
     {R::Last, Q::Velocity, var::Velocity}},
    {"Max. Acceleration",
     family(F::Acceleration),
     3,
     unit::mPerSec2,
     {R::Largest, Q::Acceleration, var::Acceleration}},
    {"Max. Height", family(F::LargeLength), 1, unit::m, {R::Largest, Q::Height, var::Height}},
    {"Max. Velocity",
     family(F::Velocity),
     2,
     unit::mPerSec,
     {R::Largest, Q::Velocity, var::Velocity}},
    {"Time Aloft", fixed("sec"), 0, 0, {R::Duration}},
    {"Air Temperature", family(F::Temperature), 0, unit::degC},
    {"Atm. Pressure", family(F::Pressure), 0, unit::atm},
    {"Atm. Temperature", family(F::Temperature), 0, unit::degC},
    {"Bottle Volume", family(F::Volume), 1, unit::litre},
    {"Diameter", family(F::SmallLength), 2, unit::mm},
    {"Drag Coefficient", fixed("Cd"), 0, 0},
    {"Empty Mass", family(F::Mass), 0, unit::kg},
    {"Gravity", family(F::Acceleration), 3, unit::mPerSec2},
    {"Initial Air Pressure", family(F::Pressure), 4, unit::pascal},
    {"Initial Height", family(F::LargeLength), 1, unit::m},
    {"Initial Velocity", family(F::Velocity), 2, unit::mPerSec},
    {"Initial Water Level", volumeOrPercent, kPercentUnit, kPercentUnit},
    {"Launch Rod Diameter", family(F::SmallLength), 2, unit::mm},
    {"Launch Rod Height", family(F::SmallLength), 2, unit::mm},
    {"Par. Deploy Time", fixed("sec"), 0, 0},
    {"Par. Diameter", family(F::SmallLength), 0, unit::cm},
    {"Par. Drag Coefficient", fixed("Cd"), 0, 0},
    {"Par., Number of", fixed("#"), 0, 0},
    {"Par. Surface Area", family(F::Area), 3, unit::m2},
    {"Water Density", family(F::Density), 2, unit::kgPerM3},
    {"Total Impulse", fixed("N\u00b7s"), 0, 0, {R::Sum, Q::Impulse}},
    {"Max. Thrust", fixed("N"), 0, 0, {R::Largest, Q::Thrust, var::Thrust}},
    {"Nozzle Diameter", family(F::SmallLength), 2, unit::mm},
    {"Discharge Coefficient", fixed("Cd"), 0, 0},
    {"Expansion Exponent", fixed("n"), 0, 0},
}};

/// Each list's variables in drop-down order.
inline constexpr VariableId kPlotList[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
inline constexpr VariableId kResultList[] = {
    10, 11, 12, 13, 14, 15, 16, var::TotalImpulse, var::MaxThrust};
inline constexpr VariableId kSweepList[] = {17,
                                            18,
                                            19,
                                            20,
                                            21,
                                            22,
                                            23,
                                            24,
                                            25,
                                            26,
                                            27,
                                            28,
                                            29,
                                            30,
                                            31,
                                            32,
                                            33,
                                            34,
                                            35,
                                            36,
                                            var::NozzleDiameter,
                                            var::DischargeCoefficient,
                                            var::ExpansionExponent};
inline constexpr std::array<std::span<const VariableId>, 3> kLists{
    {kPlotList, kResultList, kSweepList}};

constexpr int positionOf(std::span<const VariableId> list, VariableId v) {
    for (std::size_t k = 0; k < list.size(); ++k) {
        if (list[k] == v)
            return int(k);
    }
    return -1;
}

/// The number of result variables, and a result's position among them.
inline constexpr int kResultCount = int(std::size(kResultList));
constexpr std::size_t resultPosition(VariableId v) {
    return static_cast<std::size_t>(positionOf(kResultList, v));
}

} // namespace hydrolofter::variableTable
