// A run's result as a summary: the flight's results, or the table of a sweep's.
#include "Presentation.h"
#include "PresentationNames.h"

#include "units/NumberText.h"

#include <algorithm>
#include <cmath>

namespace hydrolofter {
namespace {

using namespace presentation;

std::string padLeft(const std::string& s, std::size_t width) {
    return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
}

std::string launchSummary(const SampleSeries& s, const RunSettings& settings) {
    std::string text = "Launch Analysis\n" + runHeader(settings) + "\n";
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
    std::string text = runTitle(st) + "\n" + runHeader(st) + "\n";
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
    std::string text = runTitle(st) + "\n" + runHeader(st) +
                       "Down: " + withUnit(st.xAxisVariable, st.xAxisUnit) +
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
