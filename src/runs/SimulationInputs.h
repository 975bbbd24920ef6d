// Everything the three input pages hold, and how it becomes a rocket model.
#pragma once

#include "model/RocketModel.h"
#include "units/Units.h"

#include <cstddef>
#include <string>

namespace hydrolofter {

/// The most characters a description holds: a note's worth, and text that a text box lays
/// out at once (an unbroken megabyte took minutes).
inline constexpr std::size_t kMaxDescriptionChars = 10000;

/// The values and unit indices of the rocket, environment and launch pages, as typed.
/// Units are indices into the family list named in each comment.
struct SimulationInputs {
    // Rocket page
    double bottleDiameter = 110;             ///< SmallLength
    int bottleDiameterUnit = unit::mm;       ///<
    double bottleVolume = 2;                 ///< Volume
    int bottleVolumeUnit = unit::litre;      ///<
    double dragCoefficient = 0.3;            ///< dimensionless ("Cd")
    double emptyMass = 150;                  ///< Mass
    int emptyMassUnit = unit::gram;          ///<
    double stability = 1;                    ///< calibres; display only
    int kamikaze = 1;                        ///< 0 or 1
    int parachuteCount = 1;                  ///< number of parachutes
    int parachuteShape = 0;                  ///< 0 "Circular", 1 "Irregular"
    double parachuteDiameter = 100;          ///< SmallLength, when circular
    int parachuteDiameterUnit = unit::cm;    ///<
    double parachuteSurfaceArea = 1;         ///< Area, when irregular
    int parachuteSurfaceAreaUnit = unit::m2; ///<
    double parachuteDragCoefficient = 1;     ///< dimensionless ("Cd")
    double parachuteDeployTime = 1;          ///< s
    double nozzleDiameter = 22;              ///< SmallLength (extended model)
    int nozzleDiameterUnit = unit::mm;       ///<
    double dischargeCoefficient = 1;         ///< dimensionless (extended model)
    double expansionExponent = 1.4;          ///< dimensionless (extended model)
    std::string rocketDescription;           ///< free text, not used by runs
    // Environment page
    double launchRodDiameter = 22;        ///< SmallLength
    int launchRodDiameterUnit = unit::mm; ///<
    double launchRodHeight = 15;          ///< SmallLength
    int launchRodHeightUnit = unit::mm;   ///<
    double atmPressure = 1;               ///< Pressure
    int atmPressureUnit = unit::atm;      ///<
    double atmTemperature = 70;           ///< Temperature
    int atmTemperatureUnit = unit::degF;  ///<
    double gravity = -9.806;              ///< Acceleration, signed, down negative
    int gravityUnit = unit::mPerSec2;     ///<
    double updraft = 0;                   ///< Velocity, up positive
    int updraftUnit = unit::mph;          ///<
    std::string environmentDescription;   ///< free text, not used by runs
    // Launch page
    double waterAmount = 40;                 ///< Volume-or-percent
    int waterAmountUnit = kPercentUnit;      ///<
    double initialPressure = 60;             ///< Pressure, absolute
    int initialPressureUnit = unit::psi;     ///<
    double airTemperature = 60;              ///< Temperature
    int airTemperatureUnit = unit::degF;     ///<
    double waterDensity = 1000;              ///< Density
    int waterDensityUnit = unit::kgPerM3;    ///<
    int testStand = 0;                       ///< 0 or 1: held on a test stand
    double initialHeight = 0;                ///< LargeLength
    int initialHeightUnit = unit::m;         ///<
    double initialVelocity = 0;              ///< Velocity
    int initialVelocityUnit = unit::mPerSec; ///<
};

/// Fills every input field of a freshly constructed model in its internal unit for the
/// flight model (a FlightModel) and captures the initial air volume. On a test stand the
/// rocket stands on no launch rod and does not move.
void buildModel(RocketModel& model, const SimulationInputs& inputs, int flightModel);

/// Number of sweepable inputs; a sweep position is a variable's place in their list.
inline constexpr int kSweepPositions = 23;

/// A typed range value of the sweepable input at position, in unit unitIndex, in the
/// model's internal unit. A water volume becomes a share of base's bottle volume.
double sweepValueToInternal(double value, int position, int unitIndex, const RocketModel& base);

/// Stores an internal value of the sweepable input at position into the model, recapturing
/// the initial air volume where the input changes it.
void applySweepValue(double value, int position, RocketModel& model);

} // namespace hydrolofter
