// The catalogue of named variables (plotted, result and sweepable) and their unit selectors.
#pragma once

#include "Units.h"

#include <string>
#include <string_view>
#include <vector>

namespace hydrolofter {

enum class VariableList : int { PlotVariables = 0, ResultVariables = 1, SweepVariables = 2 };

/// Index of a variable in the catalogue, 0..41. Ids never change (the batch tool and its
/// users' commands take them), so later variables come at the end, each in its list.
using VariableId = int;

namespace var {
inline constexpr VariableId Acceleration = 0;
inline constexpr VariableId AirPressure = 1;
inline constexpr VariableId AirVolume = 2;
inline constexpr VariableId Height = 3;
inline constexpr VariableId LaunchRodForce = 4;
inline constexpr VariableId Mass = 5;
inline constexpr VariableId Thrust = 6;
inline constexpr VariableId Velocity = 7;
inline constexpr VariableId WaterLevel = 8;
inline constexpr VariableId WindResistance = 9;
inline constexpr VariableId ApogeeTime = 10;
inline constexpr VariableId BurnoutTime = 11;
inline constexpr VariableId ImpactVelocity = 12;
inline constexpr VariableId MaxAcceleration = 13;
inline constexpr VariableId MaxHeight = 14;
inline constexpr VariableId MaxVelocity = 15;
inline constexpr VariableId TimeAloft = 16;
inline constexpr VariableId AirTemperature = 17;
inline constexpr VariableId AtmPressure = 18;
inline constexpr VariableId AtmTemperature = 19;
inline constexpr VariableId BottleVolume = 20;
inline constexpr VariableId Diameter = 21;
inline constexpr VariableId DragCoefficient = 22;
inline constexpr VariableId EmptyMass = 23;
inline constexpr VariableId Gravity = 24;
inline constexpr VariableId InitialAirPressure = 25;
inline constexpr VariableId InitialHeight = 26;
inline constexpr VariableId InitialVelocity = 27;
inline constexpr VariableId InitialWaterLevel = 28;
inline constexpr VariableId LaunchRodDiameter = 29;
inline constexpr VariableId LaunchRodHeight = 30;
inline constexpr VariableId ParDeployTime = 31;
inline constexpr VariableId ParDiameter = 32;
inline constexpr VariableId ParDragCoefficient = 33;
inline constexpr VariableId ParNumberOf = 34;
inline constexpr VariableId ParSurfaceArea = 35;
inline constexpr VariableId WaterDensity = 36;
inline constexpr VariableId TotalImpulse = 37;
inline constexpr VariableId MaxThrust = 38;
inline constexpr VariableId NozzleDiameter = 39;
inline constexpr VariableId DischargeCoefficient = 40;
inline constexpr VariableId ExpansionExponent = 41;
inline constexpr int Count = 42;
} // namespace var

/// What the unit drop-down beside a variable holds.
enum class UnitListKind { Family, VolumeOrPercent, Fixed };

struct UnitList {
    UnitListKind kind = UnitListKind::Fixed;
    UnitFamily family = UnitFamily::SmallLength; ///< for Family and (Volume) VolumeOrPercent
    std::string_view fixedLabel;                 ///< for Fixed: the one entry, value unconverted
};

/// How a result is taken from the steps of a flight, after each step.
enum class ResultTaken {
    NotAResult,
    FirstTimeNotPositive, ///< the first time the quantity is no longer above zero
    Last,                 ///< the quantity after the last step
    Largest,              ///< the largest value of the quantity
    Duration,             ///< the time of the last step
    Sum,                  ///< the quantity added up over the steps
};
/// The quantity of a step that a result follows. Burning: above zero while the rocket
/// burns; Impulse: the thrust times the step.
enum class StepQuantity { Height, Velocity, Acceleration, Thrust, Impulse, Burning };

/// How a plot variable is read from a flight after each step.
enum class PlotReading {
    NotPlotted,
    Acceleration,
    AirPressure,
    AirVolume, ///< a volume, or a percentage of the bottle
    Height,
    RodForce, ///< the force components the simulator computed
    Mass,
    Thrust,
    Velocity,
    WaterLevel, ///< a volume of water, or a percentage of the bottle
    Drag,
};

/// A result's rule: what it tracks and when it is taken.
struct ResultRuleInfo {
    ResultTaken taken = ResultTaken::NotAResult;
    StepQuantity of = StepQuantity::Height;
    /// The plot variable of the same quantity and unit list, or -1: a launch graph's summary
    /// quotes the result in the unit its graph is drawn in.
    VariableId plotted = -1;
};

struct VariableInfo {
    std::string_view name; ///< as the drop-down shows it
    UnitList units;
    int defaultUnit = 0;        ///< unit index selected when the variable is chosen
    int internalUnit = 0;       ///< unit index of the value a run produces or the model takes
    ResultRuleInfo result = {}; ///< for a result variable
    PlotReading plot = PlotReading::NotPlotted; ///< for a plot variable
};

bool isValidVariable(VariableId id);
/// The catalogue entry; id must be valid.
const VariableInfo& variableInfo(VariableId id);
/// The list's number of entries (0 for an invalid list).
int listSize(VariableList list);
/// The position of a variable in its list (what its drop-down shows), or -1.
int positionIn(VariableList list, VariableId id);
/// The variable at a position of a list, or -1 when the position or list is invalid.
VariableId variableAt(VariableList list, int position);
/// Whether the variable belongs to the list.
bool inList(VariableId id, VariableList list);

/// Number of entries in the variable's unit list.
int unitListSize(VariableId id);
/// The name of unit index unitIndex in the variable's list; empty when either is invalid.
std::string unitName(VariableId id, int unitIndex);
/// A value of the variable as the program quotes it: "150 g", "6.09 sec" (six digits).
std::string valueWithUnit(double value, VariableId id, int unitIndex);
/// Unit index of a name in the variable's list, or -1.
int unitIndexByName(VariableId id, std::string_view name);

/// The list's variable names in catalogue order (what its drop-down shows); none for an
/// invalid list.
std::vector<std::string> variableNames(VariableList list);
/// The variable's unit names in the order of its unit indexes; none for an invalid id.
std::vector<std::string> variableUnitNames(VariableId id);

} // namespace hydrolofter
