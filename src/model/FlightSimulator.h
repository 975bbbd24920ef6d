// Advances one flight by fixed time steps with the semi-implicit Euler method.
#pragma once

#include "Force.h"
#include "RocketModel.h"

#include <array>

namespace hydrolofter {

/// Slots of the force components: the order of evaluation and the index into forceValues.
enum ForceSlot : int {
    BuoyancySlot = 0,
    RodPressureSlot = 1,
    RodAtmosphereSlot = 2,
    DragSlot = 3,
    WeightSlot = 4,
    ThrustSlot = 5,
    ParachuteSlot = 6,
    ForceSlotCount = 7
};

/// Steps the model it is built on and keeps the seven components of the last step. The
/// force components (held by value, viewed through Force by `forces`) answer for one
/// component at a time; the step works them all out at once.
class FlightSimulator {
public:
    explicit FlightSimulator(RocketModel& m);
    FlightSimulator(const FlightSimulator&) = delete;
    FlightSimulator& operator=(const FlightSimulator&) = delete;

    /// Advances the model by dt seconds (dt > 0) with the step that the lanes take too.
    /// Allocates nothing. Only the state (height, velocity, acceleration, water level) may
    /// change between steps; the rocket's inputs were read when the simulator was made.
    void step(double dt) {
        const flight::Rocket<double>& r = rocket;
        flight::State<double> s{model.height,     model.velocity,        model.acceleration,
                                model.waterLevel, parachute.openingTime, model.airMass};
        const flight::Forces<double> f =
            extended ? flight::extendedStep(r, s, dt) : flight::step(r, s, dt, dt * 1000);
        forceValues = {f.buoyancy, f.rodPressure, f.rodAtmosphere, f.drag,
                       f.weight,   f.thrust,      f.parachute};
        parachute.openingTime = s.openingTime;
        model.waterLevel = s.waterLevel;
        model.acceleration = s.acceleration;
        model.velocity = s.velocity;
        model.height = s.height;
        model.thrust = f.thrust;
        model.stepImpulse = f.thrust * dt;
        model.burning = flight::burning(rocket.held, extended, s.acceleration, s.waterLevel,
                                        s.airMass, rocket.pulseEndMass);
        if (extended) {
            model.airMass = s.airMass;
            model.bottlePressure =
                flight::extendedPressure(r, s.height, s.waterLevel, s.airMass,
                                         flight::seatedOnTube(r, s.height, s.velocity));
        }
    }

    /// Whether the flight goes on after a step that ended at t: until the landing, or on a
    /// test stand until the thrust has ended.
    bool goesOn(double t) const {
        return flight::goesOn(rocket.held, extended, model.height, model.waterLevel, model.airMass,
                              rocket.pulseEndMass, t);
    }

    Force& force(int slot) { return *forces[static_cast<std::size_t>(slot)]; }
    const ParachuteForce& parachuteForce() const { return parachute; }

    /// N, the value of each component in the most recent step, by slot.
    std::array<double, ForceSlotCount> forceValues{};

private:
    BuoyancyForce buoyancy;
    RodPressureForce rodPressure;
    RodAtmosphereForce rodAtmosphere;
    DragForce drag;
    WeightForce weight;
    ThrustForce thrust;
    ParachuteForce parachute;
    std::array<Force*, ForceSlotCount> forces;
    RocketModel& model;
    /// The rocket's constants, worked out once: the inputs do not change during a flight.
    flight::Rocket<double> rocket;
    bool extended = false; ///< the extended flight model's step, not the classic one
};

} // namespace hydrolofter
