// Captions, axis ranges and summary tables of the three kinds of run.
#include "Presentation.h"

#include "runs/FieldTable.h"

#include "units/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace hydrolofter {
namespace {

std::string name(VariableId v) {
    return isValidVariable(v) ? std::string(variableInfo(v).name) : std::string("?");
}

std::string withUnit(VariableId v, int unitIndex) {
    return name(v) + " (" + unitName(v, unitIndex) + ")";
}

GraphQuantity quantity(VariableId v, int unitIndex) {
    return {name(v), unitName(v, unitIndex)};
}

std::string padLeft(const std::string& s, std::size_t width) {
    return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
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

std::string launchSummary(const SampleSeries& s, const RunSettings& settings) {
    std::string text =
        "Launch Analysis\nTime step: " + std::string(precisionLabel(settings.precision)) + "\n\n";
    for (const auto& [label, value] : resultLines(s.flight))
        text += label + ": " + value + "\n";
    return text;
}

/// Index of the largest result (the first one on ties), or -1 when there is none.
int largestEntry(const SampleSeries& s) {
    int best = -1;
    for (int k = 0; k < s.count; ++k) {
        const double v = s.column3[std::size_t(k)];
        if (!std::isnan(v) && (best < 0 || v > s.column3[std::size_t(best)]))
            best = k;
    }
    return best;
}

/// "Largest R: r at X = x" (and ", Y = y" for two swept inputs) for the largest result.
std::string largestLine(const SampleSeries& s, VariableId result, int resultUnit, VariableId x,
                        int xUnit, VariableId y = -1, int yUnit = 0) {
    const int best = largestEntry(s);
    if (best < 0)
        return {};
    const auto i = std::size_t(best);
    std::string line = "\nLargest " + name(result) + ": " +
                       valueWithUnit(s.column3[i], result, resultUnit) + " at " + name(x) + " = " +
                       valueWithUnit(s.column1[i], x, xUnit);
    if (y >= 0)
        line += ", " + name(y) + " = " + valueWithUnit(s.column2[i], y, yUnit);
    return line + "\n";
}

std::string lineSummary(const SampleSeries& s, const RunSettings& st) {
    const std::string xCaption = withUnit(st.oneVarIndependent, st.oneVarIndependentUnit);
    const std::string resultCaption = withUnit(st.oneVarDependent, st.oneVarDependentUnit);
    std::string text =
        runTitle(st) + "\nTime step: " + std::string(precisionLabel(st.precision)) + "\n\n";
    const std::size_t w1 = std::max<std::size_t>(xCaption.size(), 12);
    const std::size_t w2 = std::max<std::size_t>(resultCaption.size(), 12);
    text += padLeft(xCaption, w1) + "  " + padLeft(resultCaption, w2) + "\n";
    for (int k = 0; k < s.count; ++k) {
        const auto i = std::size_t(k);
        text += padLeft(formatShort(s.column1[i]), w1) + "  " +
                padLeft(formatShort(s.column3[i]), w2) + "\n";
    }
    return text + largestLine(s, st.oneVarDependent, st.oneVarDependentUnit, st.oneVarIndependent,
                              st.oneVarIndependentUnit);
}

std::string surfaceSummary(const SampleSeries& s, const RunSettings& st) {
    std::string text = runTitle(st) + "\nTime step: " + std::string(precisionLabel(st.precision)) +
                       "\nDown: " + withUnit(st.xAxisVariable, st.xAxisUnit) +
                       "\nAcross: " + withUnit(st.yAxisVariable, st.yAxisUnit) + "\n\n";
    constexpr std::size_t w = 12;
    const int inner = 11;
    const int rows = s.count / inner;
    if (rows > 0) {
        text += padLeft("", w) + " |";
        for (int i = 0; i < inner; ++i)
            text += padLeft(formatShort(s.column2[std::size_t(i)]), w);
        text += '\n';
        text.append(w, '-');
        text += "-+";
        text.append(w * inner, '-');
        text += '\n';
    }
    for (int j = 0; j < rows; ++j) {
        text += padLeft(formatShort(s.column1[std::size_t(j * inner)]), w) + " |";
        for (int i = 0; i < inner; ++i)
            text += padLeft(formatShort(s.column3[std::size_t(j * inner + i)]), w);
        text += "\n";
    }
    return text + largestLine(s, st.twoVarDependent, st.twoVarDependentUnit, st.xAxisVariable,
                              st.xAxisUnit, st.yAxisVariable, st.yAxisUnit);
}

} // namespace

std::vector<std::pair<std::string, std::string>> resultLines(const FlightResults& r,
                                                             const RunSettings* graph) {
    std::vector<std::pair<std::string, std::string>> lines;
    for (int k = 0; k < listSize(VariableList::ResultVariables); ++k) {
        const VariableId v = variableAt(VariableList::ResultVariables, k);
        const VariableInfo& info = variableInfo(v);
        int unit = info.defaultUnit;
        double value = r[v];
        // A result of the quantity the graph plots is quoted in the graph's unit; their unit
        // lists are the same.
        if (graph && info.result.plotted >= 0 && graph->plotVariable == info.result.plotted &&
            unit != graph->plotUnit) {
            value = convertUnits(info.units.family, value, unit, graph->plotUnit);
            unit = graph->plotUnit;
        }
        lines.emplace_back(name(v), valueWithUnit(value, v, unit));
    }
    return lines;
}

std::vector<std::pair<std::string, std::string>> inputLines(const SimulationInputs& in,
                                                            const RunSettings& s) {
    std::vector<std::pair<std::string, std::string>> lines = inputLines(in);
    auto range = [&](VariableId v, int unit, double from, double to) {
        const std::string unitText = unitName(v, unit);
        for (auto& [caption, value] : lines) {
            if (caption == name(v))
                value = formatDecimal(from) + " to " + formatDecimal(to) +
                        (unitText.empty() ? "" : " " + unitText) + " (swept)";
        }
    };
    if (s.mode == OneVariableOptimization)
        range(s.oneVarIndependent, s.oneVarIndependentUnit, s.oneVarRangeFrom, s.oneVarRangeTo);
    if (s.mode == TwoVariableOptimization) {
        range(s.xAxisVariable, s.xAxisUnit, s.xRangeFrom, s.xRangeTo);
        range(s.yAxisVariable, s.yAxisUnit, s.yRangeFrom, s.yRangeTo);
    }
    return lines;
}

std::optional<std::string> inputText(const Field& f, const SimulationInputs& in) {
    // What a run reads, as the run reads it: not the notes, not the unused parachute.
    if (f.group == FieldGroup::Settings || f.model.rule == ModelRule::None || !fieldApplies(f, in))
        return std::nullopt;
    if (f.box == "Parachute" && f.entry != Entry::Tick && in.kamikaze != 0)
        return std::nullopt;
    if (f.entry == Entry::Tick)
        return in.*std::get<InputInt>(f.member) != 0 ? "yes" : "no";
    if (f.entry == Entry::Count)
        return std::to_string(in.*std::get<InputInt>(f.member));
    const int index = unitIndexOf(f, in);
    std::string unit;
    if (f.sweep >= 0) {
        unit = unitName(f.sweep, index < 0 ? 0 : index);
    } else if (const Field* u = findField(f.paired); u && index >= 0) {
        const auto names = unitNames(u->family);
        if (std::size_t(index) < names.size())
            unit = std::string(names[std::size_t(index)]);
    }
    const std::string value = formatDecimal(in.*std::get<InputNumber>(f.member));
    return unit.empty() ? value : value + " " + unit;
}

std::vector<std::pair<std::string, std::string>> inputLines(const SimulationInputs& in) {
    std::vector<std::pair<std::string, std::string>> out;
    for (const Field& f : fields()) {
        if (const std::optional<std::string> text = inputText(f, in))
            out.emplace_back(f.sweep >= 0 ? std::string(name(f.sweep)) : f.plainCaption(), *text);
    }
    return out;
}

std::string seriesCsv(const SampleSeries& s, const RunSettings& settings) {
    // Each column named by its variable and unit, so that a spreadsheet or script can tell
    // them apart; a line's middle column (always 0) is left out.
    std::string header = "column1,column2,column3";
    const bool line = s.kind == SeriesKind::Line;
    switch (s.kind) {
    case SeriesKind::Line:
        header = withUnit(settings.oneVarIndependent, settings.oneVarIndependentUnit) + "," +
                 withUnit(settings.oneVarDependent, settings.oneVarDependentUnit);
        break;
    case SeriesKind::MinMaxBars: {
        const std::string unit = " (" + unitName(settings.plotVariable, settings.plotUnit) + ")";
        header = name(settings.plotVariable) + " min" + unit + "," + name(settings.plotVariable) +
                 " max" + unit + ",Time (sec)";
        break;
    }
    case SeriesKind::Surface:
        header = withUnit(settings.xAxisVariable, settings.xAxisUnit) + "," +
                 withUnit(settings.yAxisVariable, settings.yAxisUnit) + "," +
                 withUnit(settings.twoVarDependent, settings.twoVarDependentUnit);
        break;
    case SeriesKind::Unset:
        break;
    }
    std::string text = header;
    text += '\n';
    char row[96];
    for (int k = 0; k < s.count; ++k) {
        const auto i = std::size_t(k);
        if (line)
            std::snprintf(row, sizeof row, "%.17g,%.17g\n", s.column1[i], s.column3[i]);
        else
            std::snprintf(row, sizeof row, "%.17g,%.17g,%.17g\n", s.column1[i], s.column2[i],
                          s.column3[i]);
        text += row;
    }
    return text;
}

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

std::string summaryText(const SampleSeries& series, const RunSettings& settings) {
    switch (series.kind) {
    case SeriesKind::MinMaxBars:
        return launchSummary(series, settings);
    case SeriesKind::Line:
        return lineSummary(series, settings);
    case SeriesKind::Surface:
        return surfaceSummary(series, settings);
    case SeriesKind::Unset:
        break;
    }
    return {};
}

} // namespace hydrolofter
