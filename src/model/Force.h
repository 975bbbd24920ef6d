// The seven force components that together make the vertical force on the rocket.
#pragma once

#include "ExtendedStep.h"
#include "RocketModel.h"

namespace hydrolofter {

/// One force component bound to a flight's model; evaluated once per time step.
class Force {
public:
    explicit Force(RocketModel& m) : model(m) {}
    virtual ~Force() = default;
    Force(const Force&) = delete;
    Force& operator=(const Force&) = delete;

    /// Force in N, up positive, for a step of dt seconds (dt > 0).
    virtual double evaluate(double dt) = 0;

protected:
    RocketModel& model;
};

// Each component is the step's own formula (FlightStep.h) on the model as it stands, so
// that a component asked on its own gives what the step adds in. The step itself does not
// go through them.

/// The model's constants as the step uses them.
inline flight::Rocket<double> rocketOf(const RocketModel& m) {
    flight::Rocket<double> r;
    r.load(0, m);
    return r;
}

/// Slot 0: lift of the displaced ambient air, counted while water remains.
class BuoyancyForce final : public Force {
public:
    using Force::Force;
    double evaluate(double) override {
        return flight::buoyancyForce(rocketOf(model), model.waterLevel);
    }
};

/// Slot 1: bottle pressure on the rod's cross-section while on the rod.
class RodPressureForce final : public Force {
public:
    using Force::Force;
    double evaluate(double) override {
        const flight::Rocket<double> r = rocketOf(model);
        return flight::onRod(r, model.height) ? flight::airPressure(r, model.waterLevel) * r.rodArea
                                              : 0;
    }
};

/// Slot 2: ambient pressure on the rod's cross-section, acting downward.
class RodAtmosphereForce final : public Force {
public:
    using Force::Force;
    double evaluate(double) override {
        const flight::Rocket<double> r = rocketOf(model);
        return flight::onRod(r, model.height) ? r.rodAtmosphere : 0;
    }
};

/// Slot 3: body drag relative to the moving air.
class DragForce final : public Force {
public:
    using Force::Force;
    double evaluate(double) override { return flight::dragForce(rocketOf(model), model.velocity); }
};

/// Slot 4: weight, with the mass from before this step's expulsion.
class WeightForce final : public Force {
public:
    using Force::Force;
    double evaluate(double) override {
        const flight::Rocket<double> r = rocketOf(model);
        return flight::mass(r, model.waterLevel) * r.gravity;
    }
};

/// Slot 5: reaction of the water jet; lowers the water level by what it expels.
class ThrustForce final : public Force {
public:
    using Force::Force;
    double evaluate(double dt) override {
        const flight::Rocket<double> r = rocketOf(model);
        const double level = model.waterLevel;
        const flight::Jet<double> j =
            flight::jet(r, level, flight::airPressure(r, level), model.acceleration,
                        flight::onRod(r, model.height), dt, dt * 1000);
        model.waterLevel = j.level;
        return j.thrust;
    }
};

/// Slot 6: parachute drag, opening over parachuteDeployTime once the rocket descends.
class ParachuteForce final : public Force {
public:
    using Force::Force;
    double openingTime = 0; ///< s the opening clock has run

    double evaluate(double dt) override {
        flight::State<double> s;
        s.openingTime = openingTime;
        const double f = flight::parachuteForce(rocketOf(model), s, model.velocity, dt);
        openingTime = s.openingTime;
        return f;
    }
};

} // namespace hydrolofter
