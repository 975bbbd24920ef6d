// Several independent flights stepped together, one lane per flight, for the sweeps.
#pragma once

#include "ExtendedStep.h"
#include "RocketModel.h"

namespace hydrolofter {

/// kLanes flights in lock-step: the flight step of FlightStep.h on vectors of kLanes
/// doubles, so that one step of all lanes is code the compiler can vectorise or at least
/// overlap (a single flight is one long dependency chain of divisions and a square root
/// that leaves most of a core idle). Every lane's numbers are bit for bit those of the
/// one-flight simulator, which takes the same step on doubles.
class FlightLanes {
public:
    /// Lanes: four overlap the dependency chains of the step best on the machines measured
    /// (docs/PERFORMANCE.md); a power of two, as vector types need.
    static constexpr int kLanes = 4;

private:
    // GCC's and Clang's vector types: element-wise IEEE operations, lowered to whatever
    // vector instructions the target has (two SSE2 halves on a plain x86-64).
    using Values = double __attribute__((vector_size(kLanes * sizeof(double))));

public:
    /// Lanes that step by dt seconds (dt > 0) with the classic or the extended model.
    FlightLanes(double dt, bool extended) : extended_(extended) {
        // Broadcast once: a scalar spread over a vector in every step goes through memory.
        dt_ = Values{} + dt;
        dtThousand_ = Values{} + dt * 1000;
        for (int l = 0; l < kLanes; ++l)
            rocket_.setKamikaze(l, true); // an empty lane asks for no parachute
    }

    /// Puts the flight of m into lane l, from m's current state.
    void load(int l, const RocketModel& m) {
        rocket_.load(l, m);
        state_.height[l] = m.height;
        state_.velocity[l] = m.velocity;
        state_.acceleration[l] = m.acceleration;
        state_.waterLevel[l] = m.waterLevel;
        state_.openingTime[l] = 0;
        state_.airMass[l] = m.airMass;
    }

    /// Lets lane l coast on without water or parachute, so that an idle lane keeps no
    /// phase of the step alive for the others; its numbers are no longer read.
    void park(int l) {
        state_.waterLevel[l] = 0;
        state_.airMass[l] = 0;
        rocket_.setKamikaze(l, true);
        rocket_.setMask(rocket_.held, l, false);
    }

    /// Advances every lane by one time step.
    void step() {
        thrust_ = extended_ ? flight::extendedStep(rocket_, state_, dt_).thrust
                            : flight::step(rocket_, state_, dt_, dtThousand_).thrust;
    }

    // The state of lane l, in the model's units.
    double height(int l) const { return state_.height[l]; }
    double velocity(int l) const { return state_.velocity[l]; }
    double acceleration(int l) const { return state_.acceleration[l]; }
    double waterLevel(int l) const { return state_.waterLevel[l]; }
    double thrust(int l) const { return thrust_[l]; } ///< N, in the last step
    double burning(int l) const {                     ///< FlightSimulator's model.burning
        return flight::burning(rocket_.held[l] != 0, extended_, state_.acceleration[l],
                               state_.waterLevel[l], state_.airMass[l], rocket_.pulseEndMass[l]);
    }
    /// Whether lane l's flight goes on after a step that ended at t (FlightSimulator::goesOn).
    bool goesOn(int l, double t) const {
        return flight::goesOn(rocket_.held[l] != 0, extended_, state_.height[l],
                              state_.waterLevel[l], state_.airMass[l], rocket_.pulseEndMass[l], t);
    }

private:
    bool extended_ = false;
    Values dt_{}, dtThousand_{};
    flight::Rocket<Values> rocket_;
    flight::State<Values> state_;
    Values thrust_{};
};

} // namespace hydrolofter
