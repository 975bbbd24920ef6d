// A run's result as a graph: captions, axes and ranges of the three kinds of run; its title.
#include "Presentation.h"
#include "PresentationNames.h"

#include "units/NumberText.h"

#include <algorithm>
#include <cmath>

namespace hydrolofter {
namespace {

using namespace presentation;

GraphQuantity quantity(VariableId v, int unitIndex) {
    return {name(v), unitName(v, unitIndex)};
}

void launchGraph(GraphData& g, const SampleSeries& s, const RunSettings& settings) {
    g.setXTitle("Time (sec)");
    g.setYTitle(withUnit(settings.plotVariable, settings.plotUnit));
    g.xQuantity = {"Time", "sec"};
    g.yQuantity = quantity(settings.plotVariable, settings.plotUnit);
    // The last three entries are left out: the landing's few centimetres below ground
    // would otherwise push the height axis below zero.
    double lowest = 0, highest = 0, latest = 0;
    if (s.count > 0) {
        lowest = s.column1[0];
        highest = s.column2[0];
        latest = s.column3[0];
    }
    for (int i = 1; s.count >= 5 && i <= s.count - 4; ++i) {
        const auto k = std::size_t(i);
        if (s.column1[k] < lowest)
            lowest = s.column1[k];
        if (s.column2[k] > highest)
            highest = s.column2[k];
        if (s.column3[k] > latest)
            latest = s.column3[k];
    }
    if (latest > 20) {
        g.scaleXAxis(0, latest);
    } else {
        const int n = static_cast<int>(latest) + 1;
        g.setXAxis(0, n, n);
    }
    g.scaleYAxis(lowest, highest);
    g.setMinMaxData(s.column1.data(), s.column2.data(), s.column3.data(), s.count);
}

/// A swept range whose ends are equal has no width to spread ten intervals over: it is
/// widened around its value as a constant result range is.
void setSweptAxis(double from, double to, void (GraphData::*set)(double, double, int),
                  GraphData& g) {
    if (from == to) {
        const AxisScale a = scaleAxis(from, to);
        (g.*set)(a.min, a.max, a.ticks);
    } else {
        (g.*set)(from, to, 10);
    }
}

void lineGraph(GraphData& g, const SampleSeries& s, const RunSettings& settings) {
    g.setXTitle(withUnit(settings.oneVarIndependent, settings.oneVarIndependentUnit));
    g.setYTitle(withUnit(settings.oneVarDependent, settings.oneVarDependentUnit));
    g.xQuantity = quantity(settings.oneVarIndependent, settings.oneVarIndependentUnit);
    g.yQuantity = quantity(settings.oneVarDependent, settings.oneVarDependentUnit);
    setSweptAxis(settings.oneVarRangeFrom, settings.oneVarRangeTo, &GraphData::setXAxis, g);
    // Every point, the last one included, so that none is drawn outside the plot box.
    const auto begin = s.column3.begin(), end = begin + std::max(s.count, 0);
    if (s.count > 0)
        g.scaleYAxis(*std::min_element(begin, end), *std::max_element(begin, end));
    else
        g.scaleYAxis(0, 0);
    g.setLineData(s.column1.data(), s.column3.data(), s.count);
}

void surfaceGraph(GraphData& g, const SampleSeries& s, const RunSettings& settings) {
    g.setXTitle(withUnit(settings.xAxisVariable, settings.xAxisUnit));
    g.setYTitle(withUnit(settings.yAxisVariable, settings.yAxisUnit));
    g.xQuantity = quantity(settings.xAxisVariable, settings.xAxisUnit);
    g.yQuantity = quantity(settings.yAxisVariable, settings.yAxisUnit);
    g.resultQuantity = quantity(settings.twoVarDependent, settings.twoVarDependentUnit);
    g.setXAxis(settings.xRangeFrom, settings.xRangeTo, 10);
    g.setYAxis(settings.yRangeFrom, settings.yRangeTo, 10);
    g.setSurfaceData(s.column1.data(), s.column2.data(), s.column3.data(), s.count);
}

} // namespace

std::string runTitle(const RunSettings& s) {
    switch (s.mode) {
    case OneVariableOptimization:
        return "1-Variable Optimization: " + withUnit(s.oneVarDependent, s.oneVarDependentUnit) +
               " by " + withUnit(s.oneVarIndependent, s.oneVarIndependentUnit);
    case TwoVariableOptimization:
        return "2-Variable Optimization: " + withUnit(s.twoVarDependent, s.twoVarDependentUnit);
    default:
        return "Launch Analysis";
    }
}

int displayChoice(const SampleSeries& series, const RunSettings& settings) {
    switch (series.kind) {
    case SeriesKind::Line:
        return settings.oneVarDisplay;
    case SeriesKind::MinMaxBars:
        return settings.launchDisplay;
    case SeriesKind::Surface:
        return settings.twoVarDisplay;
    case SeriesKind::Unset:
        break;
    }
    return Summary;
}

std::unique_ptr<GraphData> makeGraph(const SampleSeries& series, const RunSettings& settings) {
    auto graph = std::make_unique<GraphData>();
    switch (series.kind) {
    case SeriesKind::MinMaxBars:
        launchGraph(*graph, series, settings);
        break;
    case SeriesKind::Line:
        lineGraph(*graph, series, settings);
        break;
    case SeriesKind::Surface:
        surfaceGraph(*graph, series, settings);
        break;
    case SeriesKind::Unset:
        return nullptr;
    }
    return graph;
}

} // namespace hydrolofter
