// The pages' inputs into a rocket model, and the sweep setters, both by the field table.
#include "SimulationInputs.h"

#include "FieldTable.h"

#include "units/VariableCatalog.h"

#include <cmath>

namespace hydrolofter {
namespace {

/// m² of a circle of diameter d in cm (0.005 turns cm of diameter into m of radius).
double circleArea(double diameterCm) {
    const double r = diameterCm * 0.005;
    return kPi * (r * r);
}

/// A number field's typed value in the model's unit, as its rule converts it.
double modelValue(const Field& f, const SimulationInputs& in, const RocketModel& model) {
    const double typed = in.*std::get<InputNumber>(f.member);
    const Field* unit = f.paired.empty() ? nullptr : findField(f.paired);
    const int index = unitIndexOf(f, in);
    switch (f.model.rule) {
    case ModelRule::CircleArea:
        return circleArea(convertUnits(unit->family, typed, index, f.model.internalUnit));
    case ModelRule::WaterShare:
        // The share is of the whole bottle, converted before the launch page's fields.
        if (index == kPercentUnit)
            return typed * 0.01;
        return convertUnits(UnitFamily::Volume, typed, index, unit::litre) / model.bottleVolume;
    default:
        return unit ? convertUnits(unit->family, typed, index, f.model.internalUnit) : typed;
    }
}

/// A rocket on the test stand stands on no rod and does not move.
void holdOnStand(RocketModel& model) {
    if (model.testStand == 0)
        return;
    model.launchRodHeight = 0;
    model.velocity = 0;
}

} // namespace

void buildModel(RocketModel& model, const SimulationInputs& in, int flightModel) {
    model.flightModel = flightModel;
    // Table order: the rocket's bottle volume is in place before the water's share of it.
    for (const Field& f : fields()) {
        if (f.model.rule == ModelRule::None || !fieldApplies(f, in))
            continue;
        if (f.model.count)
            model.*f.model.count = in.*std::get<InputInt>(f.member);
        else
            model.*f.model.number = modelValue(f, in, model);
    }
    holdOnStand(model);
    model.captureInitialAirVolume();
}

double sweepValueToInternal(double value, int position, int unitIndex, const RocketModel& base) {
    if (position < 0 || position >= kSweepPositions)
        return value;
    // The catalogue knows each swept input's unit list and the unit the model keeps it in.
    const VariableInfo& info = variableInfo(variableAt(VariableList::SweepVariables, position));
    switch (info.units.kind) {
    case UnitListKind::Family:
        return convertUnits(info.units.family, value, unitIndex, info.internalUnit);
    case UnitListKind::VolumeOrPercent: // the water: a share of the bottle
        if (unitIndex == kPercentUnit)
            return value * 0.01;
        return convertUnits(UnitFamily::Volume, value, unitIndex, unit::litre) / base.bottleVolume;
    case UnitListKind::Fixed: // dimensionless, seconds and counts
        break;
    }
    return value;
}

void applySweepValue(double value, int position, RocketModel& model) {
    if (position < 0 || position >= kSweepPositions)
        return;
    const Field* f = sweptField(variableAt(VariableList::SweepVariables, position));
    if (!f)
        return;
    switch (f->model.rule) {
    case ModelRule::CircleArea: // a diameter in cm
        model.*f->model.number = circleArea(value);
        break;
    case ModelRule::Count:
        // Truncated toward zero; a value no int can hold is left to the input check.
        if (std::isfinite(value) && std::fabs(value) < 2147483648.0)
            model.*f->model.count = static_cast<int>(value);
        else
            model.*f->model.count = -1;
        break;
    default:
        model.*f->model.number = value;
        break;
    }
    holdOnStand(model); // a swept rod or velocity does not move a rocket on the stand
    if (f->model.changesAirVolume)
        model.captureInitialAirVolume();
}

} // namespace hydrolofter
