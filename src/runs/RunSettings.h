// What a run is to do: mode, time step, display choices, variables, units and ranges.
#pragma once

#include "units/VariableCatalog.h"

#include <string_view>

namespace hydrolofter {

enum RunMode : int { LaunchAnalysis = 0, OneVariableOptimization = 1, TwoVariableOptimization = 2 };
enum DisplayChoice : int { Summary = 0, Graph = 1 };

/// The unit of a variable whose list holds one entry ("sec", "N", "Cd").
inline constexpr int kOnlyUnit = 0;

inline constexpr int kMinPrecision = 1;
inline constexpr int kMaxPrecision = 8;

/// The settings page's choices. Variables are catalogue ids; units are positions in the
/// unit list the catalogue gives for that variable.
struct RunSettings {
    RunMode mode = LaunchAnalysis;
    int precision = 3; ///< time step 10^-precision s, 1..8
    DisplayChoice launchDisplay = Graph;
    VariableId plotVariable = var::Height; ///< 0..9
    int plotUnit = unit::m;
    DisplayChoice oneVarDisplay = Graph;
    VariableId oneVarDependent = var::TimeAloft;   ///< 10..16
    int oneVarDependentUnit = kOnlyUnit;           ///< "sec"
    VariableId oneVarIndependent = var::EmptyMass; ///< 17..36
    int oneVarIndependentUnit = unit::gram;
    double oneVarRangeFrom = 50; ///< in oneVarIndependentUnit
    double oneVarRangeTo = 250;  ///< in oneVarIndependentUnit
    DisplayChoice twoVarDisplay = Graph;
    VariableId twoVarDependent = var::TimeAloft; ///< 10..16
    int twoVarDependentUnit = kOnlyUnit;         ///< "sec"
    VariableId xAxisVariable = var::EmptyMass;   ///< 17..36
    int xAxisUnit = unit::gram;
    double xRangeFrom = 50;                            ///< in xAxisUnit
    double xRangeTo = 250;                             ///< in xAxisUnit
    VariableId yAxisVariable = var::InitialWaterLevel; ///< 17..36
    int yAxisUnit = kPercentUnit;                      ///< "%"
    int flightModel = 0;                               ///< a FlightModel: 0 classic
    double yRangeFrom = 25;                            ///< in yAxisUnit
    double yRangeTo = 75;                              ///< in yAxisUnit
};

/// s; 10^-precision as a double.
double timeStep(int precision);
/// Steps per bucket less one: trunc(0.01 ÷ time step).
int bucketLimit(double dt);
/// The settings page's label for a precision, e.g. "1 millisecond"; empty outside 1..8.
std::string_view precisionLabel(int precision);

} // namespace hydrolofter
