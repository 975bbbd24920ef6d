// Sweep grids. The outer axis steps by × 0.1 and the inner by ÷ 10: the two orders of
// operations give different last bits, and every sweep's numbers depend on them.
#include "SweepPlan.h"

namespace hydrolofter {
namespace {

double outer(double from, double to, int j) {
    return from + (j * (to - from)) * 0.1;
}
double inner(double from, double to, int i) {
    return from + (i * (to - from)) / 10;
}

bool isWaterVolume(VariableId v, int unitIndex) {
    return v == var::InitialWaterLevel && unitIndex != kPercentUnit;
}

double litres(double value, int unitIndex) {
    return convertUnits(UnitFamily::Volume, value, unitIndex, unit::litre);
}

} // namespace

double SweepPlan::firstDisplay(int j) const {
    return outer(firstFrom, firstTo, j);
}
double SweepPlan::firstInternal(int j) const {
    return outer(firstFromInternal, firstToInternal, j);
}
double SweepPlan::secondDisplay(int i) const {
    return inner(secondFrom, secondTo, i);
}
double SweepPlan::secondInternal(int i) const {
    return inner(secondFromInternal, secondToInternal, i);
}

void SweepPlan::buildPoint(RocketModel& model, int j, int i) const {
    buildModel(model, inputs, flightModel);
    applySweepValue(firstInternal(j), positionIn(VariableList::SweepVariables, firstVariable),
                    model);
    if (secondVariable >= 0)
        applySweepValue(secondInternal(i), positionIn(VariableList::SweepVariables, secondVariable),
                        model);
    double waterL = 0;
    switch (water) {
    case WaterVolume::None:
        return;
    case WaterVolume::Fixed:
        waterL = waterLitres;
        break;
    case WaterVolume::FirstAxis:
        waterL = outer(waterLitresFrom, waterLitresTo, j);
        break;
    case WaterVolume::SecondAxis:
        waterL = inner(waterLitresFrom, waterLitresTo, i);
        break;
    }
    model.waterLevel = waterL / model.bottleVolume;
    model.captureInitialAirVolume();
}

SweepPlan makeSweepPlan(const RunSettings& s, const SimulationInputs& inputs) {
    SweepPlan plan;
    plan.inputs = inputs;
    plan.flightModel = s.flightModel;
    const bool two = s.mode == TwoVariableOptimization;
    plan.innerPoints = two ? 11 : 1;
    plan.resultVariable = two ? s.twoVarDependent : s.oneVarDependent;
    plan.resultUnit = two ? s.twoVarDependentUnit : s.oneVarDependentUnit;
    plan.firstVariable = two ? s.xAxisVariable : s.oneVarIndependent;
    plan.firstUnit = two ? s.xAxisUnit : s.oneVarIndependentUnit;
    plan.firstFrom = two ? s.xRangeFrom : s.oneVarRangeFrom;
    plan.firstTo = two ? s.xRangeTo : s.oneVarRangeTo;
    if (two) {
        plan.secondVariable = s.yAxisVariable;
        plan.secondUnit = s.yAxisUnit;
        plan.secondFrom = s.yRangeFrom;
        plan.secondTo = s.yRangeTo;
    }

    // The base model converts the typed range ends (a water volume needs its bottle).
    RocketModel base;
    buildModel(base, inputs, s.flightModel);
    const int firstPos = positionIn(VariableList::SweepVariables, plan.firstVariable);
    plan.firstFromInternal = sweepValueToInternal(plan.firstFrom, firstPos, plan.firstUnit, base);
    plan.firstToInternal = sweepValueToInternal(plan.firstTo, firstPos, plan.firstUnit, base);
    if (two) {
        const int secondPos = positionIn(VariableList::SweepVariables, plan.secondVariable);
        plan.secondFromInternal =
            sweepValueToInternal(plan.secondFrom, secondPos, plan.secondUnit, base);
        plan.secondToInternal =
            sweepValueToInternal(plan.secondTo, secondPos, plan.secondUnit, base);
    }

    const bool bottleSwept =
        plan.firstVariable == var::BottleVolume || plan.secondVariable == var::BottleVolume;
    if (!bottleSwept)
        return plan;
    // The second axis is applied last, so when both axes are the water it is the one flown.
    if (two && isWaterVolume(plan.secondVariable, plan.secondUnit)) {
        plan.water = SweepPlan::WaterVolume::SecondAxis;
        plan.waterLitresFrom = litres(plan.secondFrom, plan.secondUnit);
        plan.waterLitresTo = litres(plan.secondTo, plan.secondUnit);
    } else if (isWaterVolume(plan.firstVariable, plan.firstUnit) &&
               plan.secondVariable != var::InitialWaterLevel) {
        plan.water = SweepPlan::WaterVolume::FirstAxis;
        plan.waterLitresFrom = litres(plan.firstFrom, plan.firstUnit);
        plan.waterLitresTo = litres(plan.firstTo, plan.firstUnit);
    } else if (plan.firstVariable != var::InitialWaterLevel &&
               plan.secondVariable != var::InitialWaterLevel &&
               inputs.waterAmountUnit != kPercentUnit) {
        plan.water = SweepPlan::WaterVolume::Fixed;
        plan.waterLitres = litres(inputs.waterAmount, inputs.waterAmountUnit);
    }
    return plan;
}

} // namespace hydrolofter
