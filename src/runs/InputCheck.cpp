// The model would divide by zero or take roots of negatives on these inputs, and a run would
// then draw NaN or nothing at all; refusing them up front tells the user why instead.
#include "InputCheck.h"

#include "FieldTable.h"
#include "SweepPlan.h"

#include "units/NumberText.h"

#include <cmath>
#include <map>

namespace hydrolofter {
namespace {

constexpr double kAbsoluteZeroC = -273.15;
constexpr int kMaxPointsListed = 3;

class Problems {
public:
    void add(const std::string& caption, const std::string& what) {
        list.push_back(caption + ": " + what);
    }
    std::vector<std::string> list;
};

void checkFinite(Problems& p, const char* caption, double v) {
    if (!std::isfinite(v))
        p.add(caption, "must be a finite number");
}

/// The words for a value that breaks its bound, or nullptr when it keeps it.
const char* boundBroken(Bound bound, double v) {
    switch (bound) {
    case Bound::AboveZero:
        return v <= 0 ? "must be greater than 0" : nullptr;
    case Bound::NotNegative:
        return v < 0 ? "must not be negative" : nullptr;
    case Bound::BelowZero:
        return v >= 0 ? "must be below 0" : nullptr;
    case Bound::AboveAbsoluteZero:
        return v <= kAbsoluteZeroC ? "must be above absolute zero (-273.15 deg C)" : nullptr;
    case Bound::None:
        break;
    }
    return nullptr;
}

void checkVariable(Problems& p, const char* caption, VariableId v, int unitIndex,
                   VariableList list) {
    if (!inList(v, list)) {
        p.add(caption, "is not a variable of its list");
        return;
    }
    if (unitIndex < 0 || unitIndex >= unitListSize(v))
        p.add(caption, "has no such unit");
}

void checkSettings(Problems& p, const RunSettings& s) {
    if (s.precision < kMinPrecision || s.precision > kMaxPrecision)
        p.add("Precision", "must be from 1 to 8");
    using L = VariableList;
    if (s.mode == LaunchAnalysis && s.launchDisplay == Graph)
        checkVariable(p, "Plot", s.plotVariable, s.plotUnit, L::PlotVariables);
    if (s.mode == OneVariableOptimization) {
        checkVariable(p, "Dependent Variable", s.oneVarDependent, s.oneVarDependentUnit,
                      L::ResultVariables);
        checkVariable(p, "Independent Variable", s.oneVarIndependent, s.oneVarIndependentUnit,
                      L::SweepVariables);
        checkFinite(p, "Range", s.oneVarRangeFrom);
        checkFinite(p, "Range", s.oneVarRangeTo);
    }
    if (s.mode == TwoVariableOptimization) {
        checkVariable(p, "Dependent Variable", s.twoVarDependent, s.twoVarDependentUnit,
                      L::ResultVariables);
        checkVariable(p, "X-Axis Variable", s.xAxisVariable, s.xAxisUnit, L::SweepVariables);
        checkVariable(p, "Y-Axis Variable", s.yAxisVariable, s.yAxisUnit, L::SweepVariables);
        checkFinite(p, "Range", s.xRangeFrom);
        checkFinite(p, "Range", s.xRangeTo);
        checkFinite(p, "Range", s.yRangeFrom);
        checkFinite(p, "Range", s.yRangeTo);
    }
}

constexpr std::string_view kCannotLiftOff = "Initial Pressure: the rocket cannot lift off";

std::string sweptValue(VariableId v, int unitIndex, double value) {
    return std::string(variableInfo(v).name) + " = " + valueWithUnit(value, v, unitIndex);
}

} // namespace

std::vector<std::string> checkModel(const RocketModel& m, const SimulationInputs& in) {
    Problems p;
    for (const Field& f : fields()) {
        const FieldLimits& l = f.limits;
        if (f.model.rule == ModelRule::None || !fieldApplies(f, in) ||
            (l.bound == Bound::None && l.largest == 0 && l.smallest == 0))
            continue;
        const std::string caption = f.checkName();
        const double value = f.model.count ? double(m.*f.model.count) : m.*f.model.number;
        std::string unit;
        if (!l.unit.empty())
            unit.append(" ").append(l.unit);
        // A finite input can become infinite in its conversion; that is "too large", not
        // "not a number".
        if (std::isnan(value))
            p.add(caption, "must be a finite number");
        else if (l.largest == 0 && std::isinf(value))
            p.add(caption, "is too large to simulate");
        else if (l.largest > 0 && std::fabs(value) > l.largest)
            p.add(caption,
                  "is too large to simulate (at most " + formatShort(l.largest) + unit + ")");
        else if (value > 0 && value < l.smallest)
            p.add(caption,
                  "is too small to simulate (at least " + formatShort(l.smallest) + unit + ")");
        if (const char* broken = boundBroken(l.bound, value))
            p.add(caption,
                  l.boundMessage.empty() ? std::string(broken) : std::string(l.boundMessage));
    }
    // What no single field decides.
    if (m.launchRodDiameter >= 0 && m.bottleDiameter > 0 && m.launchRodDiameter >= m.bottleDiameter)
        p.add("Launch Rod Diameter", "must be smaller than the bottle's diameter");
    // Checked whichever model flies, so that both refuse the same inputs.
    if (m.nozzleDiameter > 0 && m.bottleDiameter > 0 && m.nozzleDiameter >= m.bottleDiameter)
        p.add("Nozzle Diameter", "must be smaller than the bottle's diameter");
    const double rodInside = m.launchRodArea() * m.launchRodHeight; // L
    if (m.bottleVolume > 0 && rodInside >= m.bottleVolume)
        p.add("Bottle Volume", "the launch rod fills the bottle (the " +
                                   formatShort(rodInside * 1000) +
                                   " mL of it inside leave no room for water or air)");
    else if (m.waterLevel >= 0 && std::isfinite(m.initialAirVolume) && m.initialAirVolume <= 0 &&
             m.bottleVolume > 0)
        p.add("Water Volume", "leaves no room for air in the bottle");
    return p.list;
}

std::string liftOffProblem(const RocketModel& m) {
    if (!(m.initialAirPressure <= m.atmPressure * kPascalsPerAtm))
        return {};
    return std::string(kCannotLiftOff) +
           ": the pressure in the bottle is not above the atmosphere's (it is an absolute "
           "pressure: 1 atm is 14.7 PSI)";
}

const Field* problemField(const std::string& problem) {
    const Field* best = nullptr;
    for (const Field& f : fields()) {
        const std::string caption = f.checkName() + ": ";
        if (f.entry != Entry::None && problem.starts_with(caption) &&
            (!best || caption.size() > best->checkName().size() + 2))
            best = &f;
    }
    return best;
}

namespace {

/// Each problem a sweep's points have, in the order first found, with the points that have it.
struct PointProblems {
    std::vector<std::string> order;
    std::map<std::string, std::vector<std::string>> where;
};

PointProblems problemsAtPoints(const SweepPlan& plan, const SimulationInputs& in) {
    PointProblems found;
    auto& order = found.order;
    auto& where = found.where;
    for (int j = 0; j < kOuterPoints; ++j) {
        for (int i = 0; i < plan.innerPoints; ++i) {
            RocketModel m;
            plan.buildPoint(m, j, i);
            const int point = j * plan.innerPoints + i + 1;
            std::string note = "sweep point " + std::to_string(point) + ": " +
                               sweptValue(plan.firstVariable, plan.firstUnit, plan.firstDisplay(j));
            if (plan.secondVariable >= 0)
                note +=
                    ", " + sweptValue(plan.secondVariable, plan.secondUnit, plan.secondDisplay(i));
            std::vector<std::string> problems = checkModel(m, in);
            // A sweep may cross the pressure that lifts off (its low points stay on the pad);
            // only when no point can is it refused, below.
            if (const std::string cannot = liftOffProblem(m); !cannot.empty())
                problems.push_back(cannot);
            for (const std::string& problem : problems) {
                auto& points = where[problem];
                if (points.empty())
                    order.push_back(problem);
                points.push_back(note);
            }
        }
    }
    return found;
}

/// Every point's model, as it will be flown. A problem found at every point is the pages'
/// (or the whole range's) and is reported once; otherwise the points are named.
std::vector<std::string> sweepProblems(const RunSettings& s, const SimulationInputs& in) {
    const SweepPlan plan = makeSweepPlan(s, in);
    PointProblems found = problemsAtPoints(plan, in);
    std::vector<std::string> result;
    for (const std::string& problem : found.order) {
        const auto& points = found.where[problem];
        if (int(points.size()) == plan.points()) {
            result.push_back(problem + ".");
            continue;
        }
        if (problem.starts_with(kCannotLiftOff))
            continue;
        const int listed = std::min<int>(int(points.size()), kMaxPointsListed);
        for (int k = 0; k < listed; ++k)
            result.push_back(problem + " (" + points[std::size_t(k)] + ").");
        if (int(points.size()) > listed)
            result.push_back(problem + " (and " + std::to_string(points.size() - listed) +
                             " more sweep points).");
    }
    return result;
}

} // namespace

std::vector<std::string> checkInputs(const RunSettings& s, const SimulationInputs& in) {
    std::vector<std::string> result;
    auto sentences = [&result](const std::vector<std::string>& problems) {
        for (const std::string& problem : problems)
            result.push_back(problem + ".");
        return result;
    };
    Problems settingsProblems;
    checkSettings(settingsProblems, s);
    if (!settingsProblems.list.empty() || s.mode < LaunchAnalysis ||
        s.mode > TwoVariableOptimization)
        return sentences(settingsProblems.list);

    if (s.mode == LaunchAnalysis) {
        RocketModel m;
        buildModel(m, in, s.flightModel);
        std::vector<std::string> problems = checkModel(m, in);
        if (const std::string cannot = liftOffProblem(m); !cannot.empty() && problems.empty())
            problems.push_back(cannot);
        return sentences(problems);
    }

    return sweepProblems(s, in);
}

} // namespace hydrolofter
