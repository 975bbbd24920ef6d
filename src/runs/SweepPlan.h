// The grid of an optimisation: which inputs are swept, over which values, point by point.
#pragma once

#include "RunSettings.h"
#include "SimulationInputs.h"

#include <utility>

namespace hydrolofter {

inline constexpr int kOuterPoints = 11;

/// Everything an optimisation needs to build the model of any of its points, fixed when the
/// run starts. The input check uses the same plan, so it checks exactly the models flown.
struct SweepPlan {
    SimulationInputs inputs;
    int flightModel = ClassicModel;
    int innerPoints = 1; ///< 1 (one variable) or 11 (two variables)
    VariableId resultVariable = var::TimeAloft;
    int resultUnit = 0;
    VariableId firstVariable = var::EmptyMass;
    int firstUnit = 0;
    VariableId secondVariable = -1; ///< -1 in the one-variable mode
    int secondUnit = 0;
    double firstFrom = 0, firstTo = 0;                 ///< display unit
    double firstFromInternal = 0, firstToInternal = 0; ///< model's unit
    double secondFrom = 0, secondTo = 0;
    double secondFromInternal = 0, secondToInternal = 0;

    /// When the bottle volume is swept and the water is known as a volume, the water is
    /// kept as that volume (not as a share) at every point.
    enum class WaterVolume { None, Fixed, FirstAxis, SecondAxis };
    WaterVolume water = WaterVolume::None;
    double waterLitres = 0;                        ///< Fixed
    double waterLitresFrom = 0, waterLitresTo = 0; ///< on a swept axis

    int points() const { return kOuterPoints * innerPoints; }
    /// Point k of the run's order as (j, i): the first axis outer, the second inner.
    std::pair<int, int> point(int k) const { return {k / innerPoints, k % innerPoints}; }
    double firstDisplay(int j) const;
    double firstInternal(int j) const;
    double secondDisplay(int i) const;
    double secondInternal(int i) const;
    /// Fills a freshly constructed model for point (j, i): the inputs, then the swept values.
    void buildPoint(RocketModel& model, int j, int i) const;
};

/// The plan of a one- or two-variable optimisation (mode 1 or 2).
SweepPlan makeSweepPlan(const RunSettings& settings, const SimulationInputs& inputs);

} // namespace hydrolofter
