#include "VariableReaders.h"

namespace hydrolofter {

PlotReader::PlotReader(VariableId variable, int unitIndex) {
    const VariableInfo& info = variableInfo(variable);
    reading_ = info.plot;
    // Index 5 is "%" only in the volume-or-percent list; elsewhere it is a unit
    // ("torr", "km/h^2").
    percent_ = info.units.kind == UnitListKind::VolumeOrPercent && unitIndex == kPercentUnit;
    const UnitFamily family =
        info.units.kind == UnitListKind::VolumeOrPercent ? UnitFamily::Volume : info.units.family;
    if (info.units.kind != UnitListKind::Fixed && !percent_)
        convert_ = linearConversion(family, info.internalUnit, unitIndex);
}

double PlotReader::operator()(const RocketModel& m, const FlightSimulator& sim) const {
    switch (reading_) {
    case PlotReading::Acceleration:
        return convert_(m.acceleration);
    case PlotReading::AirPressure:
        return convert_(m.airPressure());
    case PlotReading::AirVolume:
        return percent_ ? m.airVolume() * 100 / m.bottleVolume : convert_(m.airVolume());
    case PlotReading::Height:
        return convert_(m.height);
    case PlotReading::RodForce:
        return sim.forceValues[RodPressureSlot];
    case PlotReading::Mass:
        return convert_(m.mass());
    case PlotReading::Thrust:
        return sim.forceValues[ThrustSlot];
    case PlotReading::Velocity:
        return convert_(m.velocity);
    case PlotReading::WaterLevel:
        return percent_ ? m.waterLevel * 100 : convert_(m.waterLevel * m.bottleVolume);
    case PlotReading::Drag:
        return sim.forceValues[DragSlot];
    case PlotReading::NotPlotted:
        break;
    }
    return 0;
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
