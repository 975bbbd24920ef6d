// Start-up: until the window exists, fly the default rocket and report its flight.
#include "model/FlightSimulator.h"
#include "units/Units.h"

#include <cstdio>

int main() {
    using namespace hydrolofter;
    RocketModel m;
    m.atmPressure = 1;
    m.atmTemperature = convertUnits(UnitFamily::Temperature, 70, unit::degF, unit::degC);
    m.launchRodDiameter = 22;
    m.launchRodHeight = 15;
    m.waterLevel = 0.4;
    m.bottleDiameter = 110;
    m.bottleVolume = 2;
    m.dragCoefficient = 0.3;
    m.initialAirPressure = convertUnits(UnitFamily::Pressure, 60, unit::psi, unit::pascal);
    m.airTemperature = convertUnits(UnitFamily::Temperature, 60, unit::degF, unit::degC);
    m.emptyMass = 0.15;
    m.kamikaze = 1;
    m.captureInitialAirVolume();
    FlightSimulator sim(m);
    double t = 0, apogee = 0;
    do {
        t = t + 0.001;
        sim.step(0.001);
        if (m.height > apogee)
            apogee = m.height;
    } while (m.height > 0);
    std::printf("Default rocket: apogee %.4f m, time aloft %.3f s\n", apogee, t);
    return 0;
}
