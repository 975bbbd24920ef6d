// The browser edition's measured flight or firing: the table read, its figures against the
// shown launch and the fit of one input to it. The page's module keeps the trace to draw it
// over the graph; a worker reads the same text and flies the figures and the fit.
#include "WebSupport.h"
#include "designs/TraceFile.h"
#include "graph/Comparison.h"
#include "runs/RunMessages.h"
#include "runs/TraceFit.h"
#include "units/NumberText.h"

#include <emscripten.h>

using nlohmann::json;
using namespace hydrolofter;
using namespace hydrolofter::web;

namespace {

struct Measured {
    MeasuredTrace trace;
    std::string name;
    bool loaded = false;
} measured;

} // namespace

namespace hydrolofter::web {

void addShownTrace(GraphData& graph, const RunSettings& settings) {
    if (measured.loaded)
        addMeasuredTrace(graph, settings, measured.trace, "Measured (" + measured.name + ")",
                         "Simulated");
}

} // namespace hydrolofter::web

extern "C" {

/// Reads a trace's text as the format says (the time, altitude and force units as indexes
/// of TraceTimeUnit, TraceHeightUnit and TraceForceUnit) and keeps it: {"error"}, or its
/// notes and whether it is a firing.
EMSCRIPTEN_KEEPALIVE const char* hl_readTrace(const char* text, const char* name,
                                              const char* timeColumn, const char* valueColumn,
                                              int timeUnit, int heightUnit, int forceUnit) {
    const TraceFormat format{timeColumn, valueColumn, TraceTimeUnit(std::clamp(timeUnit, 0, 2)),
                             TraceHeightUnit(std::clamp(heightUnit, 0, 2)),
                             TraceForceUnit(std::clamp(forceUnit, 0, 3))};
    const TraceRead read = parseTrace(text, format, name);
    if (!read.ok)
        return answer({{"error", read.error}});
    measured = {read.trace, name, true};
    return answer({{"notes", read.notes}, {"thrust", read.trace.thrust}});
}

EMSCRIPTEN_KEEPALIVE void hl_forgetTrace() {
    measured = {};
}

/// A worker's figures of the kept trace against the record's launch: {"message"} when it did
/// not complete, else the lines under the graph.
EMSCRIPTEN_KEEPALIVE const char* hl_traceFigures(const char* record) {
    const Parsed p = parse(record);
    WorkerHost host;
    const TraceComparison c = compareWithTrace(p.options.inputs, p.options.settings, measured.trace,
                                               host, p.options.maxTime);
    if (c.outcome != RunOutcome::Completed)
        return answer({{"message", pageOutcomeMessage(c.outcome, p.options.maxTime)}});
    std::vector<std::string> lines = {
        (measured.trace.thrust ? "Measured firing: " : "Measured flight: ") + measured.name};
    for (const std::string& line : figureLines(c.figures, figureHeightUnit(p.options.settings)))
        lines.push_back(line);
    return answer({{"lines", lines}});
}

/// The inputs a fit may find, by field name, with their captions and default ranges for the
/// record's values.
EMSCRIPTEN_KEEPALIVE const char* hl_fittable(const char* record) {
    const Parsed p = parse(record);
    json inputs = json::array();
    for (const Field& f : fields()) {
        if (f.sweep < 0 || !fittable(f.sweep))
            continue;
        const FitRequest r =
            defaultFitRange(f.sweep, p.options.inputs.*std::get<InputNumber>(f.member));
        inputs.push_back({{"name", f.name},
                          {"caption", variableInfo(f.sweep).name},
                          {"from", formatShort(r.from)},
                          {"to", formatShort(r.to)}});
    }
    return answer(inputs);
}

/// A worker's fit of the field name over [from, to] to the kept trace: {"message"} when it
/// cannot be flown or did not complete, else its question and the value for the page.
EMSCRIPTEN_KEEPALIVE const char* hl_fit(const char* record, const char* name, const char* from,
                                        const char* to) {
    const Parsed p = parse(record);
    const Field* f = findField(name);
    const std::optional<double> a = parseDecimal(from), b = parseDecimal(to);
    if (!f || f->sweep < 0 || !a || !b)
        return answer({{"message", "The range must run from a smaller number to a larger one."}});
    const FitRequest request{f->sweep, *a, *b};
    WorkerHost host;
    const FitResult r = fitToTrace(p.options.inputs, p.options.settings, measured.trace, request,
                                   host, p.options.maxTime, 1);
    if (r.outcome == RunOutcome::Refused)
        return answer({{"message", "The fit cannot start: " + r.refusal}});
    if (r.outcome != RunOutcome::Completed)
        return answer({{"message", pageOutcomeMessage(r.outcome, p.options.maxTime)}});
    return answer({{"question", fitQuestion(r, request)},
                   {"assignment", std::string(name) + "=" + formatShort(r.value)}});
}

} // extern "C"
