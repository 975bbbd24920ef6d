// The extended flight model's step, on the same values as the classic one (a double, or a
// vector with a flight in each lane): a nozzle of its own with a discharge coefficient,
// the air expanding polytropically while the bottle is sealed, the launch tube's air, and
// the air pulse after the water. Drag, parachutes, buoyancy, gravity and the motion are
// the classic step's own.
#pragma once

#include "FlightStep.h"

namespace hydrolofter::flight {

/// The ratio of specific heats of air, and the molar gas constant, J/(mol K).
inline constexpr double kAirHeatRatio = 1.4;
inline constexpr double kMolarGasConstant = 8.314;
/// K at 0 °C.
inline constexpr double kZeroCelsius = 273.15;

/// base^exponent in the lanes of the mask (the others keep base).
template <class M, class V>
[[gnu::always_inline]] inline V powLanes(const M& m, V base, const V& exponent) {
    if constexpr (kScalar<V>) {
        return m ? std::pow(base, exponent) : base;
    } else {
        for (int l = 0; l < int(sizeof(V) / sizeof(double)); ++l) {
            if (m[l])
                base[l] = std::pow(base[l], exponent[l]);
        }
        return base;
    }
}
template <class V> [[gnu::always_inline]] inline V sqrtLanes(V x) {
    allLanes(x, [](double y) { return std::sqrt(y); });
    return x;
}

template <class V> void Rocket<V>::loadExtended(int l, const RocketModel& m) {
    const double rn = m.nozzleDiameter * 0.0005; // m of radius
    const double area = kPi * (rn * rn);
    const double ratio = area / m.bottleArea();
    const double n = m.expansionExponent;
    // The pulse begins with the bottle free of water and tube: the sealed air expanded to
    // the bottle's volume by the sealed phase's law.
    const double expansion = m.initialAirVolume / m.bottleVolume;
    const double p = m.initialAirPressure * std::pow(expansion, n);
    const double t = (m.airTemperature + kZeroCelsius) * std::pow(expansion, n - 1);
    const double launchAir = m.launchAirMass();
    const double atm = kPascalsPerAtm * m.atmPressure;
    lane(nozzleArea, l) = area;
    lane(flowArea, l) = m.dischargeCoefficient * area;
    lane(nozzleDivisor, l) = m.waterDensity * (1 - ratio * ratio);
    lane(exponent, l) = n;
    lane(sealedAir, l) = m.initialAirVolume;
    lane(sealedPressure, l) = m.initialAirPressure;
    lane(pulsePressure, l) = p;
    lane(pulseTemperature, l) = t;
    lane(gasConstant, l) = kMolarGasConstant / m.airMolarMass;
    // Isentropic, p (m/m_b)^γ: the mass left once the bottle is at ambient pressure.
    lane(pulseEndMass, l) = p > atm ? launchAir * std::pow(atm / p, 1 / kAirHeatRatio) : launchAir;
}

/// Pa, absolute, of the air at height h with that water level and air mass: polytropic in
/// its volume while the bottle is sealed (water in it, or the launch tube in its nozzle),
/// then isentropic in its mass while the pulse lasts, then ambient.
template <class V>
[[gnu::always_inline]] inline V extendedPressure(const Rocket<V>& r, const V& h, const V& level,
                                                 const V& air, const MaskOf<V>& rod) {
    using Mask = MaskOf<V>;
    const V zero{};
    const Mask sealed = maskOr(Mask(level > zero), rod);
    const Mask pulse = maskAnd(maskNot(sealed), Mask(air > r.pulseEndMass));
    V p = r.atmPascals;
    if (anyOf(sealed)) {
        V engaged = r.rodHeight - 1000 * h; // mm of tube inside
        engaged = select(engaged > zero, engaged, zero);
        const V volume = r.bottleVolume - r.bottleVolume * level - r.rodArea * engaged; // L
        p = select(sealed, r.sealedPressure * powLanes(sealed, r.sealedAir / volume, r.exponent),
                   p);
    }
    if (anyOf(pulse)) {
        const V gamma = zero + kAirHeatRatio;
        p = select(pulse, r.pulsePressure * powLanes(pulse, air / r.airMass, gamma), p);
    }
    return p;
}

/// The water jet of the extended model: Bernoulli through the nozzle, the volume clamped to
/// the water left; thrust = mass flow × exit speed.
template <class V>
[[gnu::always_inline]] inline Jet<V> nozzleJet(const Rocket<V>& r, const V& level, const V& p,
                                               const V& a, const MaskOf<V>& rod, const V& dt) {
    using Mask = MaskOf<V>;
    const V zero{};
    const V rho = r.waterDensity;
    const V dp = jetPressure(r, level, p, a);
    const Mask flows = maskAnd(maskAnd(Mask(level > zero), maskNot(rod)), Mask(dp >= zero));
    Jet<V> out{zero, level};
    if (!anyOf(flows))
        return out;
    const V u = sqrtLanes(2 * dp / r.nozzleDivisor);
    const V left = r.bottleVolume * level;     // L
    const V flow = r.flowArea * u * dt * 1000; // L (m³ × 1000)
    const Mask empties = flow >= left;
    const V taken = select(empties, left, flow);
    const V lowered = level - taken / r.bottleVolume;
    out.thrust = select(flows, rho * (taken * 0.001) * u / dt, zero);
    out.level = select(flows, select(maskOr(empties, Mask(lowered < zero)), zero, lowered), level);
    return out;
}

/// The air pulse: the air left after the water, through the nozzle, choked at and above
/// the critical pressure ratio and subsonic below it. Returns the thrust; air becomes the
/// mass left, never below the mass at ambient pressure.
template <class V>
[[gnu::always_inline]] inline V airPulse(const Rocket<V>& r, const MaskOf<V>& pulse, const V& p,
                                         V& air, const V& dt) {
    using Mask = MaskOf<V>;
    constexpr double g = kAirHeatRatio;
    const V zero{};
    const V gasR = r.gasConstant;
    const V t = r.pulseTemperature * powLanes(pulse, air / r.airMass, zero + (g - 1));
    const V ratio = p / r.atmPascals;
    const double chokedRatio = std::pow((g + 1) / 2, g / (g - 1));
    const Mask choked = ratio >= zero + chokedRatio;
    // Choked: the speed of sound at the throat, at 2T/(γ+1).
    const V chokedFlow =
        r.flowArea * p * sqrtLanes(g / (gasR * t)) * std::pow(2 / (g + 1), (g + 1) / (2 * (g - 1)));
    const V chokedSpeed = sqrtLanes(g * gasR * (2 * t / (g + 1)));
    const V push = (p / chokedRatio - r.atmPascals) * r.nozzleArea;
    // Subsonic: the jet leaves at ambient pressure, its Mach number from the pressure ratio.
    const V q = powLanes(pulse, ratio, zero + (g - 1) / g); // (p/p_atm)^((γ−1)/γ) ≥ 1
    const V exitT = t / q;
    const V subsonicSpeed = sqrtLanes(2 / (g - 1) * (q - 1) * g * gasR * exitT);
    const V subsonicFlow = r.flowArea * (r.atmPascals / (gasR * exitT)) * subsonicSpeed;
    const V flow = select(choked, chokedFlow, subsonicFlow);
    const V room = air - r.pulseEndMass;
    const V wanted = flow * dt;
    const Mask ends = wanted >= room;
    const V taken = select(ends, room, wanted);
    const V thrust =
        taken / dt * select(choked, chokedSpeed, subsonicSpeed) + select(choked, push, zero);
    air = select(pulse, select(ends, r.pulseEndMass, air - taken), air);
    return select(pulse, thrust, zero);
}

/// kg: the rocket with its water and the air in it.
template <class V>
[[gnu::always_inline]] inline V extendedMass(const Rocket<V>& r, const V& level, const V& air) {
    return r.emptyMass + r.bottleVolume * level * r.waterDensity * 0.001 + air;
}

/// Whether the launch tube is in the nozzle: a falling rocket does not sit down on it again.
template <class V>
[[gnu::always_inline]] inline MaskOf<V> seatedOnTube(const Rocket<V>& r, const V& h, const V& v) {
    return maskAnd(onRod(r, h), maskNot(MaskOf<V>(v < V{})));
}

/// The extended model's step of dt seconds; the forces of that step.
template <class V>
[[gnu::always_inline]] inline Forces<V> extendedStep(const Rocket<V>& r, State<V>& s, const V& dt) {
    using Mask = MaskOf<V>;
    const V zero{};
    const V h = s.height, v = s.velocity, level = s.waterLevel;
    V air = s.airMass;
    const Mask rod = seatedOnTube(r, h, v);
    const V p = extendedPressure(r, h, level, air, rod);
    Forces<V> f;
    f.buoyancy = buoyancyForce(r, level);
    f.weight = extendedMass(r, level, air) * r.gravity;
    const Jet<V> j = nozzleJet(r, level, p, s.acceleration, rod, dt);
    const Mask pulse =
        maskAnd(maskAnd(Mask(level == zero), maskNot(rod)), Mask(air > r.pulseEndMass));
    f.thrust = j.thrust;
    if (anyOf(pulse))
        f.thrust = select(pulse, airPulse(r, pulse, p, air, dt), f.thrust);
    f.rodPressure = select(rod, p * r.rodArea, zero);
    f.rodAtmosphere = select(rod, r.rodAtmosphere, zero);
    f.drag = dragForce(r, v);
    f.parachute = parachuteForce(r, s, v, dt);
    s.waterLevel = j.level;
    s.airMass = air;
    moveRocket(r, s, f, extendedMass(r, j.level, air), dt);
    return f;
}

/// Whether all thrust has ended: no water, and in the extended model no air above endMass,
/// the mass at ambient pressure.
inline bool thrustOver(bool extended, double level, double air, double endMass) {
    return level == 0 && (!extended || !(air > endMass));
}

/// Whether a flight goes on after a step that ended at t: to the landing, or on a test
/// stand (held) until its thrust has ended or kStandSeconds have passed.
inline bool goesOn(bool held, bool extended, double height, double level, double air,
                   double endMass, double t) {
    if (!held)
        return height > 0;
    return !thrustOver(extended, level, air, endMass) && t < kStandSeconds;
}

/// Above zero while the rocket burns (the burnout time is the first step it is not): a
/// classic free flight burns while it accelerates; a rocket on the stand, or in the
/// extended model, until all thrust has ended.
inline double burning(bool held, bool extended, double acceleration, double level, double air,
                      double endMass) {
    if (!held && !extended)
        return acceleration;
    return thrustOver(extended, level, air, endMass) ? 0 : 1;
}

} // namespace hydrolofter::flight
