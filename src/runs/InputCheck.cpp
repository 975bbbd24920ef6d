// The model would divide by zero or take roots of negatives on these inputs, and a run would
// then draw NaN or nothing at all; refusing them up front tells the user why instead.
#include "InputCheck.h"

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

std::string parachuteAreaCaption(const SimulationInputs& in) {
    return in.parachuteShape == 0 ? "Diameter (parachute)" : "Surface Area (parachute)";
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

std::string sweptValue(VariableId v, int unitIndex, double value) {
    return std::string(variableInfo(v).name) + " = " + valueWithUnit(value, v, unitIndex);
}

} // namespace

std::vector<std::string> checkModel(const RocketModel& m, const SimulationInputs& in) {
    Problems p;
    const std::string chute = parachuteAreaCaption(in);

    // Far beyond any water rocket, but the flight's arithmetic would overflow past them.
    struct Range {
        std::string caption;
        double value;
        double smallest; ///< of a positive value; 0: no lower bound
        double largest;  ///< of the magnitude
        const char* unit;
    };
    const Range ranges[] = {
        {"Gravity Constant", m.gravity, 0, 1e4, "m/sec^2"},
        {"Water Density", m.waterDensity, 1e-3, 1e5, "kg/m^3"},
        {"Atmospheric Pressure", m.atmPressure, 0, 1e3, "atm"},
        {"Atmospheric Temperature", m.atmTemperature, 0, 1e4, "deg C"},
        {"Updraft", m.updraft, 0, 1e4, "m/sec"},
        {"Launch Rod Diameter", m.launchRodDiameter, 0, 1e6, "mm"},
        {"Launch Rod Height", m.launchRodHeight, 0, 1e6, "mm"},
        {"Height", m.height, 0, 1e7, "m"},
        {"Velocity", m.velocity, 0, 1e5, "m/sec"},
        {"Diameter", m.bottleDiameter, 1e-3, 1e6, "mm"},
        {"Bottle Volume", m.bottleVolume, 1e-6, 1e7, "L"},
        {"Drag Coefficient", m.dragCoefficient, 0, 1e3, ""},
        {"Initial Pressure", m.initialAirPressure, 1e-3, 1e9, "Pa"},
        {"Air Temperature", m.airTemperature, 0, 1e4, "deg C"},
        {"Empty Mass", m.emptyMass, 1e-6, 1e6, "kg"},
        {chute, m.parachuteArea, 0, 1e6, "m^2"},
        {"Parachute Drag Coefficient", m.parachuteDragCoefficient, 0, 1e3, ""},
        {"Parachute Deploy Time", m.parachuteDeployTime, 0, 1e6, "sec"},
        {"Number of Parachutes", double(m.parachuteCount), 0, 1e6, ""},
    };
    for (const Range& r : ranges) {
        // A finite input can become infinite in its conversion; that is "too large", not
        // "not a number".
        if (std::isnan(r.value)) {
            p.add(r.caption, "must be a finite number");
            continue;
        }
        const std::string unit = *r.unit ? std::string(" ") + r.unit : std::string();
        if (std::fabs(r.value) > r.largest)
            p.add(r.caption,
                  ("is too large to simulate (at most " + formatShort(r.largest) + unit + ")"));
        else if (r.value > 0 && r.value < r.smallest)
            p.add(r.caption,
                  ("is too small to simulate (at least " + formatShort(r.smallest) + unit + ")"));
    }

    if (std::isnan(m.waterLevel))
        p.add("Water Volume", "must be a finite number");
    else if (std::isinf(m.waterLevel))
        p.add("Water Volume", "is too large to simulate");

    // A positive gravity makes a rocket that never comes down, and a flight that never ends.
    if (m.gravity >= 0)
        p.add("Gravity Constant", "gravity points down, so it is entered as a negative number "
                                  "(e.g. -9.806 m/sec^2)");
    if (m.bottleVolume <= 0)
        p.add("Bottle Volume", "must be greater than 0");
    if (m.bottleDiameter <= 0)
        p.add("Diameter", "must be greater than 0");
    if (m.launchRodDiameter < 0)
        p.add("Launch Rod Diameter", "must not be negative");
    else if (m.bottleDiameter > 0 && m.launchRodDiameter >= m.bottleDiameter)
        p.add("Launch Rod Diameter", "must be smaller than the bottle's diameter");
    if (m.launchRodHeight < 0)
        p.add("Launch Rod Height", "must not be negative");
    if (m.waterLevel < 0)
        p.add("Water Volume", "must not be negative");
    else if (std::isfinite(m.initialAirVolume) && m.initialAirVolume <= 0 && m.bottleVolume > 0)
        p.add("Water Volume", "leaves no room for air in the bottle");
    if (m.initialAirPressure <= 0)
        p.add("Initial Pressure", "must be greater than 0");
    if (m.airTemperature <= kAbsoluteZeroC)
        p.add("Air Temperature", "must be above absolute zero (-273.15 deg C)");
    if (m.atmTemperature <= kAbsoluteZeroC)
        p.add("Atmospheric Temperature", "must be above absolute zero (-273.15 deg C)");
    if (m.atmPressure < 0)
        p.add("Atmospheric Pressure", "must not be negative");
    if (m.waterDensity <= 0)
        p.add("Water Density", "must be greater than 0");
    if (m.emptyMass <= 0)
        p.add("Empty Mass", "must be greater than 0");
    if (m.dragCoefficient < 0)
        p.add("Drag Coefficient", "must not be negative");
    if (m.parachuteDragCoefficient < 0)
        p.add("Parachute Drag Coefficient", "must not be negative");
    if (m.parachuteCount < 0)
        p.add("Number of Parachutes", "must be a whole number, 0 or more");
    if (m.parachuteArea < 0)
        p.add(chute, "must not be negative");
    return p.list;
}

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
        buildModel(m, in);
        return sentences(checkModel(m, in));
    }

    // Every point's model, as it will be flown. A problem found at every point is the
    // pages' (or the whole range's) and is reported once; otherwise the points are named.
    const SweepPlan plan = makeSweepPlan(s, in);
    std::vector<std::string> order;
    std::map<std::string, std::vector<std::string>> where;
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
            for (const std::string& problem : checkModel(m, in)) {
                auto& points = where[problem];
                if (points.empty())
                    order.push_back(problem);
                points.push_back(note);
            }
        }
    }
    for (const std::string& problem : order) {
        const auto& points = where[problem];
        if (int(points.size()) == plan.points()) {
            result.push_back(problem + ".");
            continue;
        }
        const int listed = std::min<int>(int(points.size()), kMaxPointsListed);
        for (int k = 0; k < listed; ++k)
            result.push_back(problem + " (" + points[std::size_t(k)] + ").");
        if (int(points.size()) > listed)
            result.push_back(problem + " (and " + std::to_string(points.size() - listed) +
                             " more sweep points).");
    }
    return result;
}

} // namespace hydrolofter
