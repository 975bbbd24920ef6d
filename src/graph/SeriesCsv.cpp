// A run's series as CSV, each column named by its variable and unit.
#include "Presentation.h"
#include "PresentationNames.h"

#include <cstdio>

namespace hydrolofter {

using namespace presentation;

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

} // namespace hydrolofter
