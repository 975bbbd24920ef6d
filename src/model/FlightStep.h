// The flight step, written once for a value type V: a double (one flight, FlightSimulator
// and the force components) or a vector of doubles (several flights in lock-step,
// FlightLanes). Branches are selects between values computed from finite rocket data (a
// NaN on the side not taken is thrown away), so every lane's numbers are bit for bit
// those of the one-flight step; with a double the selects are plain branches.
#pragma once

#include "LaneValues.h"
#include "RocketModel.h"

#include <cmath>
#include <type_traits>

namespace hydrolofter::flight {

/// A rocket's constants as the step uses them, worked out once per rocket by exactly the
/// operations of the model's own helpers.
template <class V> struct Rocket {
    using Mask = MaskOf<V>;
    V gravity{}, waterDensity{}, updraft{}, rodHeight{};
    V bottleVolume{}, dragCoefficient{}, emptyMass{}, atmPascals{};
    V buoyancy{}, internal{}, launchAir{}, rodArea{};
    V rodAtmosphere{}, halfAirDensity{}, dragFactor{}, airMass{};
    V nozzleSquare{}, jetDivisor{}, columnArea{};
    V parachuteCount{}, parachuteDragCoefficient{}, parachuteArea{}, deployTime{};
    Mask kamikaze{}; ///< set: no parachute force
    Mask held{};     ///< set: on a test stand, nothing moves
    // The extended model's constants (ExtendedStep.h), SI units but volumes in L.
    V nozzleArea{};     ///< m²
    V flowArea{};       ///< m², the nozzle's area times its discharge coefficient
    V nozzleDivisor{};  ///< kg/m³, ρ (1 − (A_nozzle ÷ A_bottle)²)
    V exponent{};       ///< n of the sealed air's p V^n = const
    V sealedAir{};      ///< L, the air volume at launch
    V sealedPressure{}; ///< Pa, the air's pressure at launch
    V pulsePressure{}, pulseTemperature{}; ///< Pa and K of the air when the pulse begins
    V gasConstant{};                       ///< J/(kg K) of air
    V pulseEndMass{};                      ///< kg of air left at ambient pressure

    /// Lane l holds the rocket of m.
    void load(int l, const RocketModel& m) {
        const double rodA = m.launchRodArea();
        const double aad = m.ambientAirDensity();
        const double inside = m.internalVolume();
        lane(gravity, l) = m.gravity;
        lane(waterDensity, l) = m.waterDensity;
        lane(updraft, l) = m.updraft;
        lane(rodHeight, l) = m.launchRodHeight;
        lane(bottleVolume, l) = m.bottleVolume;
        lane(dragCoefficient, l) = m.dragCoefficient;
        lane(emptyMass, l) = m.emptyMass;
        lane(atmPascals, l) = kPascalsPerAtm * m.atmPressure;
        lane(buoyancy, l) = -0.001 * inside * aad * m.gravity;
        lane(internal, l) = inside;
        lane(launchAir, l) = m.initialAirPressure * m.initialAirVolume;
        lane(rodArea, l) = rodA;
        lane(rodAtmosphere, l) = -(rodA * m.atmPressure * kPascalsPerAtm);
        lane(halfAirDensity, l) = 0.5 * aad;
        lane(dragFactor, l) = 0.5 * aad * m.bottleArea();
        lane(airMass, l) = m.airDensity(m.initialAirPressure / kPascalsPerAtm, m.airTemperature) *
                           m.initialAirVolume * 0.001;
        // Squared radii in mm², deliberately without π.
        const double rn = 0.5 * m.launchRodDiameter;
        const double rb = 0.5 * m.bottleDiameter;
        lane(nozzleSquare, l) = rn * rn;
        const double ratio = rn * rn / (rb * rb);
        lane(jetDivisor, l) = m.waterDensity * (1 - ratio * ratio);
        lane(columnArea, l) = kPi * (rb * rb);
        lane(parachuteCount, l) = m.parachuteCount;
        lane(parachuteDragCoefficient, l) = m.parachuteDragCoefficient;
        lane(parachuteArea, l) = m.parachuteArea;
        lane(deployTime, l) = m.parachuteDeployTime;
        setKamikaze(l, m.kamikaze != 0);
        setMask(held, l, m.testStand != 0);
        loadExtended(l, m);
    }
    void loadExtended(int l, const RocketModel& m);
    void setKamikaze(int l, bool on) { setMask(kamikaze, l, on); }
    static void setMask(Mask& m, int l, bool on) {
        if constexpr (kScalar<V>) {
            (void)l;
            m = on;
        } else {
            m[l] = on ? -1 : 0;
        }
    }
};

/// What changes from step to step.
template <class V> struct State {
    V height{}, velocity{}, acceleration{}, waterLevel{};
    V openingTime{}; ///< s the parachutes' opening clock has run
    V airMass{};     ///< kg of air in the bottle (the extended model's)
};

/// The seven components of one step, N, up positive.
template <class V> struct Forces {
    V buoyancy{}, rodPressure{}, rodAtmosphere{}, drag{}, weight{}, thrust{}, parachute{};
};

/// The parachutes' force (v the velocity before the step); advances the opening clock of
/// the lanes whose parachutes are opening.
template <class V>
[[gnu::always_inline]] inline V parachuteForce(const Rocket<V>& r, State<V>& s, const V& v,
                                               const V& dt) {
    using Mask = MaskOf<V>;
    const V zero{};
    if (allOf(r.kamikaze))
        return zero;
    const V deploy = r.deployTime;
    const Mask descending = v < zero;
    const Mask instant = deploy <= zero;
    const Mask opening =
        maskAnd(maskAnd(maskNot(instant), Mask(s.openingTime < deploy)), descending);
    const Mask open =
        maskAnd(maskAnd(maskNot(instant), maskNot(opening)), Mask(s.openingTime >= deploy));
    const Mask acts = maskAnd(maskNot(r.kamikaze), select(instant, descending, maskNot(Mask{})));
    const V one = zero + 1;
    V scale = select(maskOr(instant, open), one, zero);
    if (anyOf(opening)) {
        s.openingTime = select(opening, s.openingTime + dt, s.openingTime);
        // The opening curve, the one costly branch: only where it is needed.
        V ratio = s.openingTime / deploy;
        eachLane(opening, ratio, [](double x) {
            const double c = std::pow(x, 10);
            return c > 1 ? 1.0 : c;
        });
        scale = select(opening, ratio, scale);
    }
    const V w = r.updraft - v;
    const V m = r.halfAirDensity * (w * w) * r.parachuteCount * r.parachuteDragCoefficient *
                r.parachuteArea * scale;
    return select(acts, select(w > zero, m, -m), zero);
}

/// Whether the rocket is still on the launch rod at height h.
template <class V> [[gnu::always_inline]] inline MaskOf<V> onRod(const Rocket<V>& r, const V& h) {
    return r.rodHeight - 1000 * h > V{};
}

/// The lift of the displaced ambient air, counted while water remains.
template <class V>
[[gnu::always_inline]] inline V buoyancyForce(const Rocket<V>& r, const V& level) {
    return select(level > V{}, r.buoyancy, V{});
}

/// Pa, absolute: the launch air expanded isothermally while water remains.
template <class V> [[gnu::always_inline]] inline V airPressure(const Rocket<V>& r, const V& level) {
    return select(level == V{}, r.atmPascals, r.launchAir / (r.internal - r.bottleVolume * level));
}

/// kg; the launch air and the last water drop out together.
template <class V> [[gnu::always_inline]] inline V mass(const Rocket<V>& r, const V& level) {
    const V loaded = r.emptyMass + r.bottleVolume * level * r.waterDensity * 0.001 + r.airMass;
    return select(level > V{}, loaded, r.emptyMass);
}

/// The body's drag relative to the moving air.
template <class V> [[gnu::always_inline]] inline V dragForce(const Rocket<V>& r, const V& v) {
    const V rel = v - r.updraft;
    const V m = r.dragFactor * (rel * rel) * r.dragCoefficient;
    return select(rel > V{}, -m, m);
}

template <class V> struct Jet {
    V thrust{};
    V level{}; ///< the water level after it
};

/// Pa driving the water out: the air over ambient plus the column's head in the rocket
/// accelerating at a (the acceleration of the step before).
template <class V>
[[gnu::always_inline]] inline V jetPressure(const Rocket<V>& r, const V& level, const V& airP,
                                            const V& a) {
    const V column = r.bottleVolume * level * 1000 / r.columnArea;
    const V head = column * (a - r.gravity) * r.waterDensity;
    return airP - r.atmPascals + head;
}

/// The reaction of the water jet and the level it leaves: no jet without water, on the
/// rod (it closes the nozzle) or with the air below ambient (the negated test also keeps a
/// NaN away from the square root). a: the acceleration of the step before.
template <class V>
[[gnu::always_inline]] inline Jet<V> jet(const Rocket<V>& r, const V& level, const V& airP,
                                         const V& a, const MaskOf<V>& rod, const V& dt,
                                         const V& dtThousand) {
    using Mask = MaskOf<V>;
    const V zero{};
    const V rho = r.waterDensity;
    const V dp = jetPressure(r, level, airP, a);
    const Mask flows =
        maskAnd(maskAnd(maskNot(Mask(level == zero)), maskNot(rod)), Mask(dp >= zero));
    Jet<V> out{zero, level};
    if (!anyOf(flows))
        return out;
    // Every lane's root: a lane without a jet gives a NaN that the selects below drop.
    V u = 2 * dp / r.jetDivisor;
    allLanes(u, [](double x) { return std::sqrt(x); });
    const V dv = u * r.nozzleSquare * dt * 0.001; // L (1 m × 1 mm² = 0.001 L)
    const V lowered = level - dv / r.bottleVolume;
    out.thrust = select(flows, dv * rho * u / dtThousand, zero);
    out.level = select(flows, select(lowered < zero, zero, lowered), level);
    return out;
}

/// Sums the forces in slot order and moves the rocket by semi-implicit Euler (the new
/// velocity moves the height); one held on a stand stays where it is, unaccelerated.
template <class V>
[[gnu::always_inline]] inline void moveRocket(const Rocket<V>& r, State<V>& s, const Forces<V>& f,
                                              const V& massAfter, const V& dt) {
    const V zero{};
    const V h = s.height, v = s.velocity;
    V total = zero;
    total = total + f.buoyancy;
    total = total + f.rodPressure;
    total = total + f.rodAtmosphere;
    total = total + f.drag;
    total = total + f.weight;
    total = total + f.thrust;
    total = total + f.parachute;
    const V a = total / massAfter;
    const V vNext = v + dt * a;
    if (anyOf(r.held)) {
        s.acceleration = select(r.held, zero, a);
        s.velocity = select(r.held, v, vNext);
        s.height = select(r.held, h, h + dt * vNext);
    } else {
        s.acceleration = a;
        s.velocity = vNext;
        s.height = h + dt * vNext;
    }
}

/// Advances the state by one step of dt seconds (dtThousand: dt × 1000) and returns the
/// forces of that step. Semi-implicit Euler: the new velocity moves the height.
template <class V>
[[gnu::always_inline]] inline Forces<V> step(const Rocket<V>& r, State<V>& s, const V& dt,
                                             const V& dtThousand) {
    const V zero{};
    const V h = s.height, v = s.velocity, level = s.waterLevel;
    const MaskOf<V> rod = onRod(r, h);
    Forces<V> f;
    V airP = r.atmPascals, newLevel = level, massAfter = r.emptyMass;
    f.weight = r.emptyMass * r.gravity;
    // The water's phase, skipped as a whole once no lane has water: its masked values
    // would only lengthen the chain from one step to the next.
    if (!allOf(MaskOf<V>(level == zero))) {
        f.buoyancy = buoyancyForce(r, level);
        airP = airPressure(r, level);
        // The weight with the mass from before this step's expulsion.
        f.weight = mass(r, level) * r.gravity;
        const Jet<V> j = jet(r, level, airP, s.acceleration, rod, dt, dtThousand);
        f.thrust = j.thrust;
        newLevel = j.level;
        massAfter = mass(r, newLevel);
    }
    f.rodPressure = select(rod, airP * r.rodArea, zero);
    f.rodAtmosphere = select(rod, r.rodAtmosphere, zero);
    f.drag = dragForce(r, v);
    f.parachute = parachuteForce(r, s, v, dt);
    s.waterLevel = newLevel;
    moveRocket(r, s, f, massAfter, dt);
    return f;
}

} // namespace hydrolofter::flight
