// The browser edition's comparison: results kept to be drawn with the next ones, named and
// coloured as the desktop's Simulate page does it (FlightComparison).
#include "WebSupport.h"
#include "graph/FlightComparison.h"
#include "graph/Presentation.h"

#include <emscripten.h>

using nlohmann::json;
using namespace hydrolofter;
using namespace hydrolofter::web;

namespace {

FlightComparison comparison;
std::string shownName;

ComparedRun shownRun() {
    return {shownName, shown.series, shown.options.settings, shown.options.inputs};
}

/// What the page's buttons may do now, and the kept flights' names as the legend has them.
json comparisonState() {
    json names = json::array();
    std::size_t at = 0;
    const bool drawn = shown.series && comparison.drawnWith(shownRun());
    const std::vector<ComparedRun> runs =
        drawn ? comparison.runs(shownRun(), at) : std::vector<ComparedRun>{};
    for (std::size_t i = 0; i < comparison.kept().size(); ++i)
        names.push_back(i < runs.size() ? runs[i].name : comparison.keptName(i));
    const bool keepable = shown.series && !comparison.holds(shownRun()) &&
                          !comparisonSubject(*shown.series, shown.options.settings).empty();
    return {{"names", names}, {"canKeep", keepable}};
}

} // namespace

namespace hydrolofter::web {

std::unique_ptr<GraphData> comparedGraph(std::vector<std::string>& notes) {
    std::size_t at = 0;
    const std::vector<ComparedRun> runs = comparison.runs(shownRun(), at);
    if (const std::string note = comparison.notDrawnNote(shownRun()); !note.empty())
        notes.push_back(note);
    return comparisonGraph(runs, at);
}

void nameShownRun() {
    shownName = "Flight " + std::to_string(comparison.kept().size() + 1);
}

std::string comparedCsv() {
    return comparison.drawnWith(shownRun()) ? comparison.csv(shownRun())
                                            : seriesCsv(*shown.series, shown.options.settings);
}

} // namespace hydrolofter::web

extern "C" {

/// Keeps the shown result: {"error"} when it cannot be kept, else the comparison's state.
EMSCRIPTEN_KEEPALIVE const char* hl_keep() {
    if (!shown.series)
        return answer({{"error", "There is no result to keep."}});
    if (const std::string refusal = comparison.keep(shownRun()); !refusal.empty())
        return answer({{"error", refusal}});
    return answer(comparisonState());
}

/// Takes kept flight index out (-1: all of them).
EMSCRIPTEN_KEEPALIVE const char* hl_forgetCompared(int index) {
    if (index < 0)
        comparison.clear();
    else if (std::size_t(index) < comparison.kept().size())
        comparison.remove(index);
    return answer(comparisonState());
}

/// Gives kept flight index the name its legend line shows (empty: named by what differs).
EMSCRIPTEN_KEEPALIVE const char* hl_renameCompared(int index, const char* name) {
    if (index >= 0 && std::size_t(index) < comparison.kept().size())
        comparison.rename(index, name ? name : "");
    return answer(comparisonState());
}

EMSCRIPTEN_KEEPALIVE const char* hl_comparison() {
    return answer(comparisonState());
}

} // extern "C"
