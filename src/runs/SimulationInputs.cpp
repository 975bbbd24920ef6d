// Conversion of the pages' inputs into a rocket model, and the sweep setters.
#include "SimulationInputs.h"

#include "units/VariableCatalog.h"

#include <cmath>

namespace hydrolofter {
namespace {

/// m² of a circle of diameter d in cm (0.005 turns cm of diameter into m of radius).
double circleArea(double diameterCm) {
    const double r = diameterCm * 0.005;
    return kPi * (r * r);
}

// Sweep positions whose change alters the air volume at launch.
enum SweepPosition : int {
    AirTemperature = 0,
    AtmPressure,
    AtmTemperature,
    BottleVolume,
    Diameter,
    DragCoefficient,
    EmptyMass,
    Gravity,
    InitialAirPressure,
    InitialHeight,
    InitialVelocity,
    InitialWaterLevel,
    LaunchRodDiameter,
    LaunchRodHeight,
    ParDeployTime,
    ParDiameter,
    ParDragCoefficient,
    ParNumberOf,
    ParSurfaceArea,
    WaterDensity
};

} // namespace

void buildModel(RocketModel& model, const SimulationInputs& in) {
    using F = UnitFamily;
    model.launchRodDiameter =
        convertUnits(F::SmallLength, in.launchRodDiameter, in.launchRodDiameterUnit, unit::mm);
    model.launchRodHeight =
        convertUnits(F::SmallLength, in.launchRodHeight, in.launchRodHeightUnit, unit::mm);
    model.atmPressure = convertUnits(F::Pressure, in.atmPressure, in.atmPressureUnit, unit::atm);
    model.atmTemperature =
        convertUnits(F::Temperature, in.atmTemperature, in.atmTemperatureUnit, unit::degC);
    model.gravity = convertUnits(F::Acceleration, in.gravity, in.gravityUnit, unit::mPerSec2);
    model.updraft = convertUnits(F::Velocity, in.updraft, in.updraftUnit, unit::mPerSec);

    model.bottleDiameter =
        convertUnits(F::SmallLength, in.bottleDiameter, in.bottleDiameterUnit, unit::mm);
    model.bottleVolume = convertUnits(F::Volume, in.bottleVolume, in.bottleVolumeUnit, unit::litre);
    model.dragCoefficient = in.dragCoefficient;
    model.emptyMass = convertUnits(F::Mass, in.emptyMass, in.emptyMassUnit, unit::kg);
    model.kamikaze = in.kamikaze;
    model.parachuteCount = in.parachuteCount;
    model.parachuteDeployTime = in.parachuteDeployTime;
    model.parachuteDragCoefficient = in.parachuteDragCoefficient;
    if (in.parachuteShape == 0) {
        model.parachuteArea = circleArea(
            convertUnits(F::SmallLength, in.parachuteDiameter, in.parachuteDiameterUnit, unit::cm));
    } else {
        model.parachuteArea =
            convertUnits(F::Area, in.parachuteSurfaceArea, in.parachuteSurfaceAreaUnit, unit::m2);
    }

    // The share is of the whole bottle, so the bottle volume must be converted first.
    if (in.waterAmountUnit == kPercentUnit) {
        model.waterLevel = in.waterAmount * 0.01;
    } else {
        model.waterLevel =
            convertUnits(F::Volume, in.waterAmount, in.waterAmountUnit, unit::litre) /
            model.bottleVolume;
    }
    model.initialAirPressure =
        convertUnits(F::Pressure, in.initialPressure, in.initialPressureUnit, unit::pascal);
    model.airTemperature =
        convertUnits(F::Temperature, in.airTemperature, in.airTemperatureUnit, unit::degC);
    model.height = convertUnits(F::LargeLength, in.initialHeight, in.initialHeightUnit, unit::m);
    model.velocity =
        convertUnits(F::Velocity, in.initialVelocity, in.initialVelocityUnit, unit::mPerSec);
    model.waterDensity =
        convertUnits(F::Density, in.waterDensity, in.waterDensityUnit, unit::kgPerM3);

    model.captureInitialAirVolume();
}

double sweepValueToInternal(double value, int position, int unitIndex, const RocketModel& base) {
    if (position < 0 || position >= kSweepPositions)
        return value;
    // The catalogue knows each swept input's unit list and the unit the model keeps it in.
    const VariableInfo& info = variableInfo(var::AirTemperature + position);
    switch (info.units.kind) {
    case UnitListKind::Family:
        return convertUnits(info.units.family, value, unitIndex, info.internalUnit);
    case UnitListKind::VolumeOrPercent: // the water: a share of the bottle
        if (unitIndex == kPercentUnit)
            return value * 0.01;
        return convertUnits(UnitFamily::Volume, value, unitIndex, unit::litre) / base.bottleVolume;
    case UnitListKind::Fixed: // dimensionless, seconds and counts
        break;
    }
    return value;
}

void applySweepValue(double value, int position, RocketModel& model) {
    switch (position) {
    case AirTemperature:
        model.airTemperature = value;
        model.captureInitialAirVolume();
        break;
    case AtmPressure:
        model.atmPressure = value;
        break;
    case AtmTemperature:
        model.atmTemperature = value;
        break;
    case BottleVolume:
        model.bottleVolume = value;
        model.captureInitialAirVolume();
        break;
    case Diameter:
        model.bottleDiameter = value;
        break;
    case DragCoefficient:
        model.dragCoefficient = value;
        break;
    case EmptyMass:
        model.emptyMass = value;
        break;
    case Gravity:
        model.gravity = value;
        break;
    case InitialAirPressure:
        model.initialAirPressure = value;
        model.captureInitialAirVolume();
        break;
    case InitialHeight:
        model.height = value;
        break;
    case InitialVelocity:
        model.velocity = value;
        break;
    case InitialWaterLevel:
        model.waterLevel = value;
        model.captureInitialAirVolume();
        break;
    case LaunchRodDiameter:
        model.launchRodDiameter = value;
        model.captureInitialAirVolume();
        break;
    case LaunchRodHeight:
        model.launchRodHeight = value;
        model.captureInitialAirVolume();
        break;
    case ParDeployTime:
        model.parachuteDeployTime = value;
        break;
    case ParDiameter:
        model.parachuteArea = circleArea(value);
        break;
    case ParDragCoefficient:
        model.parachuteDragCoefficient = value;
        break;
    case ParNumberOf:
        // Truncated toward zero; a value no int can hold is left to the input check.
        if (std::isfinite(value) && std::fabs(value) < 2147483648.0)
            model.parachuteCount = static_cast<int>(value);
        else
            model.parachuteCount = -1;
        break;
    case ParSurfaceArea:
        model.parachuteArea = value;
        break;
    case WaterDensity:
        model.waterDensity = value;
        break;
    default:
        break;
    }
}

} // namespace hydrolofter
