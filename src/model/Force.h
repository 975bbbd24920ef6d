// The seven force components that together make the vertical force on the rocket.
#pragma once

#include "RocketModel.h"

#include <cmath>

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

// The components are final and defined inline so that FlightSimulator can call them
// without virtual dispatch on the hot path; Force stays the interface for everyone else.

/// Slot 0: lift of the displaced ambient air, counted while water remains.
class BuoyancyForce final : public Force {
public:
    using Force::Force;
    double evaluate(double) override {
        if (model.waterLevel > 0)
            return -0.001 * model.internalVolume() * model.ambientAirDensity() * model.gravity;
        return 0;
    }
};

/// Slot 1: bottle pressure on the rod's cross-section while on the rod.
class RodPressureForce final : public Force {
public:
    using Force::Force;
    double evaluate(double) override {
        if (model.rodEngagement() > 0)
            return model.airPressure() * model.launchRodArea();
        return 0;
    }
};

/// Slot 2: ambient pressure on the rod's cross-section, acting downward.
class RodAtmosphereForce final : public Force {
public:
    using Force::Force;
    double evaluate(double) override {
        if (model.rodEngagement() > 0)
            return -(model.launchRodArea() * model.atmPressure * kPascalsPerAtm);
        return 0;
    }
};

/// Slot 3: body drag relative to the moving air.
class DragForce final : public Force {
public:
    using Force::Force;
    double evaluate(double) override {
        const double v = model.velocity - model.updraft;
        const double m =
            0.5 * model.ambientAirDensity() * model.bottleArea() * (v * v) * model.dragCoefficient;
        return v > 0 ? -m : m;
    }
};

/// Slot 4: weight, with the mass from before this step's expulsion.
class WeightForce final : public Force {
public:
    using Force::Force;
    double evaluate(double) override { return model.mass() * model.gravity; }
};

/// Slot 5: reaction of the water jet; lowers the water level by what it expels.
class ThrustForce final : public Force {
public:
    using Force::Force;
    double evaluate(double dt) override {
        if (model.waterLevel == 0)
            return 0;
        if (model.rodEngagement() > 0)
            return 0; // the rod closes the nozzle
        // Squared radii in mm², deliberately without π.
        const double rn = 0.5 * model.launchRodDiameter;
        const double rb = 0.5 * model.bottleDiameter;
        const double a = rn * rn;
        const double b = rb * rb;
        const double head =
            model.waterColumnHeight() * (model.acceleration - model.gravity) * model.waterDensity;
        const double dp = model.airPressure() - kPascalsPerAtm * model.atmPressure + head;
        // Air below ambient that the head cannot make up for: no water can leave.
        // The negated test also keeps a NaN away from the square root.
        if (!(dp >= 0))
            return 0;
        const double ratio = a / b;
        const double u = std::sqrt(2 * dp / (model.waterDensity * (1 - ratio * ratio)));
        const double dv = u * a * dt * 0.001; // L (1 m × 1 mm² = 0.001 L)
        model.waterLevel = model.waterLevel - dv / model.bottleVolume;
        if (model.waterLevel < 0)
            model.waterLevel = 0;
        return dv * model.waterDensity * u / (dt * 1000);
    }
};

/// Slot 6: parachute drag, opening over parachuteDeployTime once the rocket descends.
class ParachuteForce final : public Force {
public:
    using Force::Force;
    double openingTime = 0; ///< s the opening clock has run

    double evaluate(double dt) override {
        if (model.kamikaze != 0)
            return 0;
        double s;
        if (model.parachuteDeployTime <= 0) {
            if (!(model.velocity < 0))
                return 0;
            s = 1;
        } else if (openingTime < model.parachuteDeployTime && model.velocity < 0) {
            openingTime = openingTime + dt;
            s = std::pow(openingTime / model.parachuteDeployTime, 10);
            if (s > 1)
                s = 1;
        } else if (openingTime >= model.parachuteDeployTime) {
            s = 1;
        } else {
            s = 0;
        }
        const double w = model.updraft - model.velocity;
        const double m = 0.5 * model.ambientAirDensity() * (w * w) * model.parachuteCount *
                         model.parachuteDragCoefficient * model.parachuteArea * s;
        return w > 0 ? m : -m;
    }
};

} // namespace hydrolofter
