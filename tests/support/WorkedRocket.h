// The worked rocket of the flight-model examples, built from the exact converted defaults.
#pragma once

#include "model/RocketModel.h"
#include "units/Units.h"

namespace hydrolofter::test {

/// 2 L bottle of 110 mm, rod 22 mm × 15 mm, 40 % water, 60 PSI at 60 deg F, 150 g,
/// ambient 1 atm at 70 deg F, Cd 0.3, kamikaze, on the pad at rest.
/// The temperatures and the pressure go through convertUnits as the pages' defaults do:
/// the last printed digits of the whole flight only come out of those exact values.
inline RocketModel workedRocket() {
    RocketModel m;
    m.atmPressure = 1;
    m.atmTemperature = convertUnits(UnitFamily::Temperature, 70, unit::degF, unit::degC);
    m.updraft = 0;
    m.launchRodDiameter = 22;
    m.launchRodHeight = 15;
    m.height = 0;
    m.velocity = 0;
    m.waterLevel = 0.4;
    m.bottleDiameter = 110;
    m.bottleVolume = 2;
    m.dragCoefficient = 0.3;
    m.initialAirPressure = convertUnits(UnitFamily::Pressure, 60, unit::psi, unit::pascal);
    m.airTemperature = convertUnits(UnitFamily::Temperature, 60, unit::degF, unit::degC);
    m.emptyMass = 0.15;
    m.kamikaze = 1;
    m.parachuteCount = 0;
    m.parachuteArea = 0;
    m.parachuteDragCoefficient = 0;
    m.parachuteDeployTime = 0;
    m.captureInitialAirVolume();
    return m;
}

} // namespace hydrolofter::test
