// Several independent flights stepped together, one lane per flight, for the sweeps.
#pragma once

#include "RocketModel.h"

#include <cmath>

namespace hydrolofter {

/// kLanes flights in lock-step, stored as a structure of arrays so that one step of all lanes
/// is a loop the compiler can vectorise or at least overlap: a single flight is one long
/// dependency chain (divisions, a square root) that leaves most of a core idle.
///
/// Each lane does exactly the operations of FlightSimulator::step on its own rocket, in
/// the same order, so every lane's numbers are bit for bit those of the one-flight
/// simulator. The branches of the components become selects, which is safe because both
/// sides are computed from finite rocket data (a NaN on the side not taken is thrown
/// away); the parachute's opening curve, the one costly branch, is worked out per lane
/// only for the lanes whose parachutes are opening. Expressions that depend on a lane's
/// constants only are computed once at load, the same way the components compute them.
class FlightLanes {
public:
    /// Lanes: four overlap the dependency chains of the step best on the machines measured
    /// (docs/PERFORMANCE.md); a power of two, as vector types need.
    static constexpr int kLanes = 4;

private:
    // GCC's and Clang's vector types: element-wise IEEE operations, lowered to whatever
    // vector instructions the target has (two SSE2 halves on a plain x86-64).
    using Values = double __attribute__((vector_size(kLanes * sizeof(double))));
    using Mask = long long __attribute__((vector_size(kLanes * sizeof(double))));

public:
    /// Lanes that step by dt seconds (dt > 0).
    explicit FlightLanes(double dt) {
        // Broadcast once: a scalar spread over a vector in every step goes through memory.
        dt_ = Values{} + dt;
        dtThousand_ = Values{} + dt * 1000;
        kamikaze_ = ~Mask{}; // an empty lane asks for no parachute
    }

    /// Puts the flight of m into lane l, from m's current state.
    void load(int l, const RocketModel& m) {
        const double rodArea = m.launchRodArea();
        const double aad = m.ambientAirDensity();
        const double internal = m.internalVolume();
        gravity_[l] = m.gravity;
        waterDensity_[l] = m.waterDensity;
        updraft_[l] = m.updraft;
        rodHeight_[l] = m.launchRodHeight;
        bottleVolume_[l] = m.bottleVolume;
        dragCoefficient_[l] = m.dragCoefficient;
        emptyMass_[l] = m.emptyMass;
        atmPascals_[l] = kPascalsPerAtm * m.atmPressure;
        buoyancy_[l] = -0.001 * internal * aad * m.gravity;
        internal_[l] = internal;
        launchAir_[l] = m.initialAirPressure * m.initialAirVolume;
        rodArea_[l] = rodArea;
        rodAtmosphere_[l] = -(rodArea * m.atmPressure * kPascalsPerAtm);
        halfAirDensity_[l] = 0.5 * aad;
        dragFactor_[l] = 0.5 * aad * m.bottleArea();
        airMass_[l] = m.airDensity(m.initialAirPressure / kPascalsPerAtm, m.airTemperature) *
                      m.initialAirVolume * 0.001;
        const double rn = 0.5 * m.launchRodDiameter;
        const double rb = 0.5 * m.bottleDiameter;
        nozzleSquare_[l] = rn * rn;
        const double ratio = rn * rn / (rb * rb);
        jetDivisor_[l] = m.waterDensity * (1 - ratio * ratio);
        columnArea_[l] = kPi * (rb * rb);
        kamikaze_[l] = m.kamikaze != 0 ? -1 : 0;
        parachuteCount_[l] = m.parachuteCount;
        parachuteDragCoefficient_[l] = m.parachuteDragCoefficient;
        parachuteArea_[l] = m.parachuteArea;
        deployTime_[l] = m.parachuteDeployTime;
        height_[l] = m.height;
        velocity_[l] = m.velocity;
        acceleration_[l] = m.acceleration;
        waterLevel_[l] = m.waterLevel;
        openingTime_[l] = 0;
    }

    /// Lets lane l coast on without water or parachute, so that an idle lane keeps no
    /// phase of the step alive for the others; its numbers are no longer read.
    void park(int l) {
        waterLevel_[l] = 0;
        kamikaze_[l] = -1;
    }

    /// Advances every lane by one time step.
    void step() {
        const Values dt = dt_;
        // Every operation runs on every lane and masks pick the values. A phase that no
        // lane is in (the jet once all bottles are empty, the parachutes of kamikaze
        // rockets) is skipped as a whole: its masked values would only lengthen the
        // dependency chain from one step to the next.
        const Values zero{};
        const Values h = height_, v = velocity_, level = waterLevel_;
        const Values g = gravity_, empty = emptyMass_;
        const Mask onRod = rodHeight_ - 1000 * h > 0;
        const Values rel = v - updraft_;
        const Values drag = dragFactor_ * (rel * rel) * dragCoefficient_;
        Values buoyancy = zero, airP = atmPascals_, weight = empty * g, thrust = zero;
        Values newLevel = level, massAfter = empty;
        const Mask noWater = level == 0;
        if (!all(noWater)) {
            const Values rho = waterDensity_, bottleV = bottleVolume_;
            const Mask water = level > 0;
            buoyancy = water ? buoyancy_ : zero;
            const Values compressed = launchAir_ / (internal_ - bottleV * level);
            airP = noWater ? atmPascals_ : compressed;
            const Values loaded = empty + bottleV * level * rho * 0.001 + airMass_;
            weight = (water ? loaded : empty) * g;
            // The jet: none without water, on the rod (it closes the nozzle) or below ambient.
            const Values column = bottleV * level * 1000 / columnArea_;
            const Values head = column * (acceleration_ - g) * rho;
            const Values dp = airP - atmPascals_ + head;
            const Mask jet = ~noWater & ~onRod & (dp >= 0);
            const Values square = 2 * dp / jetDivisor_;
            Values u;
            for (int l = 0; l < kLanes; ++l)
                u[l] = std::sqrt(square[l]);
            const Values dv = u * nozzleSquare_ * dt * 0.001;
            const Values lowered = level - dv / bottleV;
            thrust = jet ? dv * rho * u / dtThousand_ : zero;
            newLevel = jet ? (lowered < 0 ? zero : lowered) : level;
            const Values reloaded = empty + bottleV * newLevel * rho * 0.001 + airMass_;
            massAfter = newLevel > 0 ? reloaded : empty;
        }
        Values chute;
        parachutes(v, chute);
        Values total = zero;
        total = total + buoyancy;
        total = total + (onRod ? airP * rodArea_ : zero);
        total = total + (onRod ? rodAtmosphere_ : zero);
        total = total + (rel > 0 ? -drag : drag);
        total = total + weight;
        total = total + thrust;
        total = total + chute;
        const Values a = total / massAfter;
        const Values vNext = v + dt * a;
        waterLevel_ = newLevel;
        acceleration_ = a;
        velocity_ = vNext;
        height_ = h + dt * vNext;
    }

    // The state of lane l, in the model's units.
    double height(int l) const { return height_[l]; }
    double velocity(int l) const { return velocity_[l]; }
    double acceleration(int l) const { return acceleration_[l]; }
    double waterLevel(int l) const { return waterLevel_[l]; }

private:
    static bool all(const Mask& m) {
        bool every = true;
        for (int l = 0; l < kLanes; ++l)
            every = every && m[l] != 0;
        return every;
    }

    /// The parachutes' force on each lane in N (v the velocity before the step); advances
    /// the opening clocks of the lanes whose parachutes are opening.
    void parachutes(const Values& v, Values& force) {
        const Values zero{};
        force = zero;
        if (all(kamikaze_))
            return;
        const Values deploy = deployTime_;
        const Mask descending = v < 0;
        const Mask instant = deploy <= 0;
        const Mask opening = ~instant & (openingTime_ < deploy) & descending;
        const Mask open = ~instant & ~opening & (openingTime_ >= deploy);
        const Mask acts = ~kamikaze_ & (instant ? descending : ~Mask{});
        const Values one = zero + 1;
        Values scale = (instant | open) ? one : zero;
        if (!all(~opening)) {
            openingTime_ = opening ? openingTime_ + dt_ : openingTime_;
            for (int l = 0; l < kLanes; ++l) {
                if (opening[l]) {
                    const double s = std::pow(openingTime_[l] / deploy[l], 10);
                    scale[l] = s > 1 ? 1 : s;
                }
            }
        }
        const Values w = updraft_ - v;
        const Values m = halfAirDensity_ * (w * w) * parachuteCount_ * parachuteDragCoefficient_ *
                         parachuteArea_ * scale;
        force = acts ? (w > 0 ? m : -m) : zero;
    }

    Values dt_{}, dtThousand_{};
    Values height_{}, velocity_{}, acceleration_{}, waterLevel_{}, openingTime_{};
    Values gravity_{}, waterDensity_{}, updraft_{}, rodHeight_{};
    Values bottleVolume_{}, dragCoefficient_{}, emptyMass_{}, atmPascals_{};
    Values buoyancy_{}, internal_{}, launchAir_{}, rodArea_{};
    Values rodAtmosphere_{}, halfAirDensity_{}, dragFactor_{}, airMass_{};
    Values nozzleSquare_{}, jetDivisor_{}, columnArea_{};
    Values parachuteCount_{}, parachuteDragCoefficient_{}, parachuteArea_{};
    Values deployTime_{};
    Mask kamikaze_{}; ///< all bits set: no parachute force
};

} // namespace hydrolofter
