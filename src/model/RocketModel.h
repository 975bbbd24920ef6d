// The physical state of one water-rocket flight, in the model's fixed internal units.
#pragma once

namespace hydrolofter {

/// π as the flight model uses it in every formula.
inline constexpr double kPi = 3.141592653589793;
/// Pascals in one standard atmosphere.
inline constexpr double kPascalsPerAtm = 101325;

/// The flight models: the classic one, and the extended one (a nozzle of its own, the air
/// expanding polytropically, the launch tube, the air pulse after the water).
enum FlightModel : int { ClassicModel = 0, ExtendedModel = 1 };
/// s a run on the test stand lasts at most when its thrust does not end before.
inline constexpr double kStandSeconds = 10;

/// One flight: rocket, launch rod, air, water and vertical motion.
/// Up is positive for height, velocity, acceleration, updraft and forces.
/// The model checks nothing: inputs are refused before a run by the input check.
class RocketModel {
public:
    RocketModel() = default;

    double gravity = -9.806;       ///< m/s², signed (down is negative)
    double waterDensity = 1000;    ///< kg/m³
    double airMolarMass = 0.029;   ///< kg/mol
    double atmPressure = 0;        ///< atm
    double atmTemperature = 0;     ///< °C
    double updraft = 0;            ///< m/s, up positive
    double launchRodDiameter = 0;  ///< mm (also the nozzle bore)
    double launchRodHeight = 0;    ///< mm above the pad
    double height = 0;             ///< m above the pad (state)
    double acceleration = 0;       ///< m/s² of the last step (state); 0 before the first step
    double velocity = 0;           ///< m/s (state)
    double waterLevel = 0;         ///< share 0..1 of bottleVolume filled with water (state)
    double bottleDiameter = 0;     ///< mm
    double bottleVolume = 0;       ///< L
    double dragCoefficient = 0;    ///< dimensionless
    double initialAirPressure = 0; ///< Pa, absolute, at launch
    double initialAirVolume = 0;   ///< L, set by captureInitialAirVolume
    double airTemperature = 0;     ///< °C, air in the bottle
    double emptyMass = 0;          ///< kg
    int kamikaze = 0;              ///< nonzero: no parachute force
    int parachuteCount = 0;        ///< number of identical parachutes
    double parachuteArea = 0;      ///< m², one parachute
    double parachuteDragCoefficient = 0; ///< dimensionless
    double parachuteDeployTime = 0;      ///< s over which the parachutes open
    // The extended model's own inputs and state; the classic model reads none of them.
    int flightModel = ClassicModel;
    int testStand = 0;               ///< nonzero: held on a test stand, nothing moves
    double nozzleDiameter = 0;       ///< mm
    double dischargeCoefficient = 1; ///< dimensionless
    double expansionExponent = 1.4;  ///< n of p V^n = const while the bottle is sealed
    double airMass = 0;              ///< kg of air in the bottle (state)
    double bottlePressure = 0;       ///< Pa, absolute, after the last step (state)
    // What the results follow of the last step, besides the motion (state).
    double thrust = 0;      ///< N, the jet's
    double stepImpulse = 0; ///< N·s, the jet's thrust times the step
    /// Above zero while the rocket burns: in a classic free flight its acceleration, else
    /// 1 while water or (extended) air above ambient is left, 0 after.
    double burning = 0;

    /// kg/m³ of air at pressure p (atm) and temperature t (°C).
    double airDensity(double p, double t) const {
        return p * airMolarMass / ((t + 273.15) * 0.0820568) * 1000;
    }
    double ambientAirDensity() const { return airDensity(atmPressure, atmTemperature); }
    /// m²; 0.0005 turns a diameter in mm into a radius in m.
    double launchRodArea() const {
        const double r = launchRodDiameter * 0.0005;
        return kPi * (r * r);
    }
    double bottleArea() const {
        const double r = bottleDiameter * 0.0005;
        return kPi * (r * r);
    }
    /// mm of rod still inside the rocket; 0 once it is off the rod.
    double rodEngagement() const {
        const double e = launchRodHeight - 1000 * height;
        return e <= 0 ? 0 : e;
    }
    /// L; the whole rod volume is always subtracted (m² × mm = L).
    double internalVolume() const { return bottleVolume - launchRodArea() * launchRodHeight; }
    double waterVolume() const { return bottleVolume * waterLevel; } ///< L
    /// L; in the extended model less only the part of the launch tube still inside.
    double airVolume() const {
        if (flightModel == ExtendedModel)
            return bottleVolume - waterVolume() - launchRodArea() * rodEngagement();
        return internalVolume() - waterVolume();
    }
    /// Pa, absolute: isothermal expansion of the launch air while water remains (the
    /// extended model keeps its own, bottlePressure).
    double airPressure() const {
        if (flightModel == ExtendedModel)
            return bottlePressure;
        if (waterLevel == 0)
            return kPascalsPerAtm * atmPressure;
        return initialAirPressure * initialAirVolume / airVolume();
    }
    /// kg; the launch air and the last water drop out together (in the extended model the
    /// air leaves as it flows out).
    double mass() const {
        if (flightModel == ExtendedModel)
            return emptyMass + waterVolume() * waterDensity * 0.001 + airMass;
        if (waterLevel > 0)
            return emptyMass + waterVolume() * waterDensity * 0.001 +
                   airDensity(initialAirPressure / kPascalsPerAtm, airTemperature) *
                       initialAirVolume * 0.001;
        return emptyMass;
    }
    /// m of water in a cylinder of the bottle's diameter (L × 1000 ÷ mm² = m).
    double waterColumnHeight() const {
        const double r = 0.5 * bottleDiameter;
        return waterVolume() * 1000 / (kPi * (r * r));
    }
    /// kg of the air sealed in at launch.
    double launchAirMass() const {
        return airDensity(initialAirPressure / kPascalsPerAtm, airTemperature) * initialAirVolume *
               0.001;
    }
    void captureInitialAirVolume() {
        initialAirVolume = airVolume();
        airMass = launchAirMass();
        bottlePressure = initialAirPressure;
    }
};

} // namespace hydrolofter
