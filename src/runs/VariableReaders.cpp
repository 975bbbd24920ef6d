#include "VariableReaders.h"

namespace hydrolofter {

PlotReader::PlotReader(VariableId variable, int unitIndex) : variable_(variable) {
    const VariableInfo& info = variableInfo(variable);
    // Index 5 is "%" only in the volume-or-percent list; elsewhere it is a unit
    // ("torr", "km/h^2").
    percent_ = info.units.kind == UnitListKind::VolumeOrPercent && unitIndex == kPercentUnit;
    const UnitFamily family =
        info.units.kind == UnitListKind::VolumeOrPercent ? UnitFamily::Volume : info.units.family;
    if (info.units.kind != UnitListKind::Fixed && !percent_)
        convert_ = linearConversion(family, info.internalUnit, unitIndex);
}

double PlotReader::operator()(const RocketModel& m, const FlightSimulator& sim) const {
    switch (variable_) {
    case var::Acceleration:
        return convert_(m.acceleration);
    case var::AirPressure:
        return convert_(m.airPressure());
    case var::AirVolume:
        return percent_ ? m.airVolume() * 100 / m.bottleVolume : convert_(m.airVolume());
    case var::Height:
        return convert_(m.height);
    case var::LaunchRodForce:
        return sim.forceValues[RodPressureSlot];
    case var::Mass:
        return convert_(m.mass());
    case var::Thrust:
        return sim.forceValues[ThrustSlot];
    case var::Velocity:
        return convert_(m.velocity);
    case var::WaterLevel:
        return percent_ ? m.waterLevel * 100 : convert_(m.waterLevel * m.bottleVolume);
    case var::WindResistance:
        return sim.forceValues[DragSlot];
    default:
        return 0;
    }
}

ResultRule::ResultRule(VariableId variable, int unitIndex) {
    const VariableInfo& info = variableInfo(variable);
    rule_ = info.result;
    if (info.units.kind == UnitListKind::Family)
        convert_ = linearConversion(info.units.family, info.internalUnit, unitIndex);
}

void ResultRule::operator()(double& result, const RocketModel& m, double t) const {
    visit([&](auto rule) { rule(result, m, t); });
}

double plotValue(VariableId variable, int unitIndex, const RocketModel& model,
                 const FlightSimulator& simulator) {
    return PlotReader(variable, unitIndex)(model, simulator);
}

void updateResult(double& result, VariableId variable, int unitIndex, const RocketModel& model,
                  double t) {
    ResultRule(variable, unitIndex)(result, model, t);
}

} // namespace hydrolofter
