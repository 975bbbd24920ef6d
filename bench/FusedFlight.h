// One flight with every operation of the step written out in one loop: the floor for
// what flying a point one step after the other can cost.
#pragma once

#include "model/RocketModel.h"

#include <cmath>

namespace hydrolofter {

struct FusedEnd {
    long steps = 0;
    double height = 0;
    double time = 0; ///< s aloft, the clock advanced as the sweeps advance it
};

/// Flies r to landing: every operation of the seven components and the integration, written out in
/// one loop on local copies, in the same order: the floor for what a step can cost.
inline FusedEnd flyFusedFlight(const RocketModel& r, double dt) {
    const double pi = kPi;
    const double g = r.gravity, rho = r.waterDensity, molar = r.airMolarMass;
    const double atm = r.atmPressure, atmT = r.atmTemperature, updraft = r.updraft;
    const double rodD = r.launchRodDiameter, rodH = r.launchRodHeight;
    const double bottleD = r.bottleDiameter, bottleV = r.bottleVolume, cd = r.dragCoefficient;
    const double p0 = r.initialAirPressure, v0 = r.initialAirVolume, airT = r.airTemperature;
    const double empty = r.emptyMass;
    const int kamikaze = r.kamikaze, count = r.parachuteCount;
    const double chuteArea = r.parachuteArea, chuteCd = r.parachuteDragCoefficient;
    const double deploy = r.parachuteDeployTime;
    double h = r.height, a = r.acceleration, v = r.velocity, level = r.waterLevel;
    double opening = 0;
    FusedEnd end;
    do {
        const double rodR = rodD * 0.0005;
        const double rodArea = pi * (rodR * rodR);
        const double bodyR = bottleD * 0.0005;
        const double bodyArea = pi * (bodyR * bodyR);
        const double aad = atm * molar / ((atmT + 273.15) * 0.0820568) * 1000;
        double eng = rodH - 1000 * h;
        if (eng <= 0)
            eng = 0;
        const double internal = bottleV - rodArea * rodH;
        double total = 0;
        // buoyancy
        total = total + (level > 0 ? -0.001 * internal * aad * g : 0);
        // rod pressure
        const double airP = level == 0 ? 101325 * atm : p0 * v0 / (internal - bottleV * level);
        total = total + (eng > 0 ? airP * rodArea : 0);
        // rod atmosphere
        total = total + (eng > 0 ? -(rodArea * atm * 101325) : 0);
        // drag
        const double rel = v - updraft;
        const double dragM = 0.5 * aad * bodyArea * (rel * rel) * cd;
        total = total + (rel > 0 ? -dragM : dragM);
        // weight
        const double massBefore =
            level > 0 ? empty + bottleV * level * rho * 0.001 +
                            p0 / 101325 * molar / ((airT + 273.15) * 0.0820568) * 1000 * v0 * 0.001
                      : empty;
        total = total + massBefore * g;
        // thrust
        double thrust = 0;
        if (level != 0 && !(eng > 0)) {
            const double rn = 0.5 * rodD, rb = 0.5 * bottleD;
            const double an = rn * rn, ab = rb * rb;
            const double column = bottleV * level * 1000 / (pi * (rb * rb));
            const double head = column * (a - g) * rho;
            const double dp = airP - 101325 * atm + head;
            if (dp >= 0) {
                const double ratio = an / ab;
                const double u = std::sqrt(2 * dp / (rho * (1 - ratio * ratio)));
                const double dv = u * an * dt * 0.001;
                level = level - dv / bottleV;
                if (level < 0)
                    level = 0;
                thrust = dv * rho * u / (dt * 1000);
            }
        }
        total = total + thrust;
        // parachute
        double chute = 0;
        if (kamikaze == 0) {
            double s = 0;
            bool acts = true;
            if (deploy <= 0) {
                acts = v < 0;
                s = 1;
            } else if (opening < deploy && v < 0) {
                opening = opening + dt;
                s = std::pow(opening / deploy, 10);
                if (s > 1)
                    s = 1;
            } else if (opening >= deploy) {
                s = 1;
            }
            if (acts) {
                const double w = updraft - v;
                const double m = 0.5 * aad * (w * w) * count * chuteCd * chuteArea * s;
                chute = w > 0 ? m : -m;
            }
        }
        total = total + chute;
        const double massAfter =
            level > 0 ? empty + bottleV * level * rho * 0.001 +
                            p0 / 101325 * molar / ((airT + 273.15) * 0.0820568) * 1000 * v0 * 0.001
                      : empty;
        a = total / massAfter;
        v = v + dt * a;
        h = h + dt * v;
        ++end.steps;
        end.time = end.time + dt;
    } while (h > 0);
    end.height = h;
    return end;
}

} // namespace hydrolofter
