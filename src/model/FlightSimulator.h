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

/// Owns the seven force components of one flight and steps the model it is built on.
/// The components are held by value (constructed in slot order, no allocation) and called
/// directly, so a step costs no virtual dispatch; `forces` views them through Force.
class FlightSimulator {
public:
    explicit FlightSimulator(RocketModel& m);
    FlightSimulator(const FlightSimulator&) = delete;
    FlightSimulator& operator=(const FlightSimulator&) = delete;

    /// Advances the model by dt seconds (dt > 0). Allocates nothing.
    void step(double dt) {
        double total = 0;
        total = total + (forceValues[BuoyancySlot] = buoyancy.evaluate(dt));
        total = total + (forceValues[RodPressureSlot] = rodPressure.evaluate(dt));
        total = total + (forceValues[RodAtmosphereSlot] = rodAtmosphere.evaluate(dt));
        total = total + (forceValues[DragSlot] = drag.evaluate(dt));
        total = total + (forceValues[WeightSlot] = weight.evaluate(dt));
        total = total + (forceValues[ThrustSlot] = thrust.evaluate(dt));
        total = total + (forceValues[ParachuteSlot] = parachute.evaluate(dt));
        // mass() after the thrust has expelled this step's water.
        model.acceleration = total / model.mass();
        model.velocity = model.velocity + dt * model.acceleration;
        model.height = model.height + dt * model.velocity;
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
};

} // namespace hydrolofter
