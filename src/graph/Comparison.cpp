#include "Comparison.h"

#include "Presentation.h"
#include "runs/FieldTable.h"
#include "units/Units.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <type_traits>

namespace hydrolofter {
namespace {

constexpr Rgb kColours[] = {
    kDataColour,   {200, 0, 0},   {0, 140, 0},  {230, 120, 0},
    {130, 0, 170}, {0, 150, 160}, {120, 80, 0}, // one more than kMaxCompared: the run on show
};
static_assert(std::size(kColours) == kMaxCompared + 1);

bool convertible(VariableId v) {
    return variableInfo(v).units.kind == UnitListKind::Family;
}

/// A variable's words for a comparison: its name, and its unit where values in another
/// unit could not be converted (a share of a bottle, a fixed label).
std::string subjectName(VariableId v, int unit) {
    const std::string name(variableInfo(v).name);
    return convertible(v) ? name : name + " (" + unitName(v, unit) + ")";
}

double converted(double value, VariableId v, int from, int to) {
    if (from == to || !convertible(v))
        return value;
    return convertUnits(variableInfo(v).units.family, value, from, to);
}

/// run's series in the units of settings (the shown run's), on the heap as series live.
std::unique_ptr<SampleSeries> inUnitsOf(const ComparedRun& run, const RunSettings& to) {
    auto copy = std::make_unique<SampleSeries>(*run.series);
    SampleSeries& s = *copy;
    const RunSettings& from = run.settings;
    for (int k = 0; k < s.count; ++k) {
        const auto i = std::size_t(k);
        if (s.kind == SeriesKind::MinMaxBars) {
            s.column1[i] = converted(s.column1[i], to.plotVariable, from.plotUnit, to.plotUnit);
            s.column2[i] = converted(s.column2[i], to.plotVariable, from.plotUnit, to.plotUnit);
        } else {
            s.column1[i] = converted(s.column1[i], to.oneVarIndependent, from.oneVarIndependentUnit,
                                     to.oneVarIndependentUnit);
            s.column3[i] = converted(s.column3[i], to.oneVarDependent, from.oneVarDependentUnit,
                                     to.oneVarDependentUnit);
        }
    }
    return copy;
}

/// The shown run's graph, its x axis the widest of all and its y axis scaled over all.
void spanAxes(GraphData& shown, const std::vector<std::unique_ptr<GraphData>>& graphs) {
    const GraphData* widest = &shown;
    double low = shown.yMin, high = shown.yMax, left = shown.xMin, right = shown.xMax;
    for (const auto& g : graphs) {
        if (g->xMax > widest->xMax)
            widest = g.get();
        low = std::min(low, g->yMin);
        high = std::max(high, g->yMax);
        left = std::min(left, g->xMin);
        right = std::max(right, g->xMax);
    }
    if (shown.mode == GraphMode::MinMaxBars)
        shown.setXAxis(widest->xMin, widest->xMax, widest->xTicks);
    else if (left != shown.xMin || right != shown.xMax)
        shown.scaleXAxis(left, right); // sweeps over different ranges
    if (low != shown.yMin || high != shown.yMax)
        shown.scaleYAxis(low, high);
}

} // namespace

std::span<const Rgb> comparisonColours() {
    return kColours;
}

std::string comparisonSubject(const SampleSeries& series, const RunSettings& s) {
    if (displayChoice(series, s) != Graph)
        return {};
    if (series.kind == SeriesKind::MinMaxBars)
        return subjectName(s.plotVariable, s.plotUnit);
    if (series.kind == SeriesKind::Line)
        return subjectName(s.oneVarDependent, s.oneVarDependentUnit) + " against " +
               subjectName(s.oneVarIndependent, s.oneVarIndependentUnit);
    return {};
}

std::unique_ptr<GraphData> comparisonGraph(const std::vector<ComparedRun>& runs,
                                           std::size_t shown) {
    const RunSettings& settings = runs[shown].settings;
    std::unique_ptr<GraphData> graph = makeGraph(*runs[shown].series, settings);
    if (runs.size() < 2)
        return graph;
    std::vector<std::unique_ptr<GraphData>> others;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const std::size_t place = runs[i].colour >= 0 ? std::size_t(runs[i].colour) : i;
        const Rgb colour = kColours[std::min(place, std::size(kColours) - 1)];
        graph->legend.push_back({runs[i].name, colour});
        if (i == shown) {
            graph->dataColour = colour;
            continue;
        }
        others.push_back(makeGraph(*inUnitsOf(runs[i], settings), settings));
        const GraphData& g = *others.back();
        graph->curves.push_back({g.mode, colour, g.values1, g.values2, g.values3, g.count});
    }
    spanAxes(*graph, others);
    return graph;
}

bool addMeasuredTrace(GraphData& graph, const RunSettings& settings, const MeasuredTrace& trace,
                      const std::string& traceName, const std::string& flightName) {
    // A firing goes over a Thrust graph (always in N), a flight over a Height graph.
    const VariableId plotted = trace.thrust ? var::Thrust : var::Height;
    if (graph.mode != GraphMode::MinMaxBars || settings.plotVariable != plotted)
        return false;
    const VariableInfo& height = variableInfo(var::Height);
    GraphCurve points{GraphMode::Points, kMeasuredColour, trace.time, {}, {}, 0};
    points.count = int(std::min(trace.time.size(), trace.height.size()));
    points.values2.reserve(trace.height.size());
    for (const double h : trace.height)
        points.values2.push_back(
            trace.thrust
                ? h
                : convertUnits(height.units.family, h, height.internalUnit, settings.plotUnit));
    if (points.count > 0) {
        const auto [low, high] = std::minmax_element(points.values2.begin(), points.values2.end());
        if (*low < graph.yMin || *high > graph.yMax)
            graph.scaleYAxis(std::min(*low, graph.yMin), std::max(*high, graph.yMax));
        const double first = std::min(trace.time.front(), graph.xMin);
        const double last = std::max(trace.time.back(), graph.xMax);
        if (first < graph.xMin || last > graph.xMax) {
            if (first >= 0 && last <= 20)
                graph.setXAxis(0, std::floor(last) + 1, int(std::floor(last)) + 1);
            else
                graph.scaleXAxis(first, last);
        }
    }
    if (graph.legend.empty())
        graph.legend.push_back({flightName, graph.dataColour});
    graph.legend.push_back({traceName, kMeasuredColour});
    graph.curves.push_back(std::move(points));
    return true;
}

std::vector<std::string> differenceNames(const std::vector<ComparedRun>& runs, std::size_t shown) {
    std::vector<std::vector<std::string>> parts(runs.size());
    if (shown >= runs.size())
        return std::vector<std::string>(runs.size());
    auto compare = [&](const std::string& caption, auto textOf) {
        const std::optional<std::string> mine = textOf(runs[shown]);
        bool differs = false;
        for (std::size_t i = 0; i < runs.size(); ++i) {
            if (i == shown)
                continue;
            const std::optional<std::string> theirs = textOf(runs[i]);
            if (theirs == mine)
                continue;
            differs = true;
            if (theirs)
                parts[i].push_back(caption + " " + *theirs);
        }
        if (differs && mine)
            parts[shown].push_back(caption + " " + *mine);
    };
    for (const Field& f : fields())
        compare(f.plainCaption(), [&f](const ComparedRun& r) { return inputText(f, r.inputs); });
    const auto shownRun = runLines(runs[shown].settings);
    for (std::size_t k = 0; k < shownRun.size(); ++k)
        compare(shownRun[k].first, [k](const ComparedRun& r) {
            return std::optional<std::string>(runLines(r.settings)[k].second);
        });
    std::vector<std::string> names;
    for (const std::vector<std::string>& p : parts) {
        std::string name;
        for (std::size_t k = 0; k < p.size() && k < 3; ++k)
            name += (k ? ", " : "") + p[k];
        names.push_back(p.size() > 3 ? name + ", …" : name);
    }
    return names;
}

namespace {

template <class T> bool sameBits(const T& x, const T& y) {
    if constexpr (std::is_same_v<T, double>)
        return std::memcmp(&x, &y, sizeof x) == 0; // to the bit: -0 and NaNs too
    else
        return x == y;
}
template <class T>
bool sameMember(T SimulationInputs::*m, const ComparedRun& a, const ComparedRun& b) {
    return sameBits(a.inputs.*m, b.inputs.*m);
}
template <class T> bool sameMember(T RunSettings::*m, const ComparedRun& a, const ComparedRun& b) {
    return sameBits(a.settings.*m, b.settings.*m);
}

} // namespace

bool sameFlight(const ComparedRun& a, const ComparedRun& b) {
    // Every input and setting is a field of the table.
    return std::all_of(fields().begin(), fields().end(), [&](const Field& f) {
        return std::visit([&](auto member) { return sameMember(member, a, b); }, f.member);
    });
}

std::string comparisonCsv(const std::vector<ComparedRun>& runs, std::size_t shown) {
    const RunSettings& settings = runs[shown].settings;
    if (runs.size() == 1)
        return seriesCsv(*runs[shown].series, settings);
    std::vector<std::vector<std::string>> groups; // each run's lines
    std::vector<std::size_t> widths;              // and its number of columns
    std::size_t rows = 0;
    for (const ComparedRun& run : runs) {
        const std::string csv =
            seriesCsv(&run == &runs[shown] ? *run.series : *inUnitsOf(run, settings), settings);
        std::vector<std::string> lines;
        for (std::size_t at = 0; at < csv.size();) {
            const std::size_t end = csv.find('\n', at);
            lines.push_back(csv.substr(at, end - at));
            at = end == std::string::npos ? csv.size() : end + 1;
        }
        // A name with a comma or a quote is quoted, its quotes doubled, as CSV has it.
        std::string header;
        const std::string& first = lines.front();
        for (std::size_t at = 0; at <= first.size();) {
            const std::size_t end = std::min(first.find(',', at), first.size());
            std::string cell = run.name + ": " + first.substr(at, end - at);
            if (cell.find_first_of(",\"\n") != std::string::npos) {
                std::string quoted = "\"";
                for (const char c : cell)
                    quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
                cell = quoted + "\"";
            }
            header += (header.empty() ? "" : ",") + cell;
            at = end + 1;
        }
        lines.front() = header;
        widths.push_back(std::size_t(std::count(first.begin(), first.end(), ',')) + 1);
        rows = std::max(rows, lines.size());
        groups.push_back(std::move(lines));
    }
    std::string text;
    for (std::size_t r = 0; r < rows; ++r) {
        for (std::size_t g = 0; g < groups.size(); ++g) {
            if (g > 0)
                text += ',';
            text += r < groups[g].size() ? groups[g][r] : std::string(widths[g] - 1, ',');
        }
        text += '\n';
    }
    return text;
}

} // namespace hydrolofter
