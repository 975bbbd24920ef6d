// What the browser edition's page and workers call to describe the fields and fly runs: the
// field table, the records read from NAME=VALUE as share links hold them and checked, the
// runs in workers, the result put on show. Results travel as JSON text and numbers in the
// module's memory.
#include "WebSupport.h"
#include "designs/Flight.h"
#include "graph/Presentation.h"
#include "runs/FieldTable.h"
#include "runs/InputCheck.h"
#include "runs/RunMessages.h"
#include "runs/RunSimulation.h"
#include "runs/RunSupport.h"
#include "runs/Sweep.h"
#include "units/NumberText.h"

#include <emscripten.h>
#include <nlohmann/json.hpp>

#include <memory>

using nlohmann::json;
using namespace hydrolofter;
using namespace hydrolofter::web;

namespace hydrolofter::web {

const char* answer(const nlohmann::json& j) {
    static std::string text;
    text = j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    return text.c_str();
}

const char* answerText(std::string s) {
    static std::string text;
    text = std::move(s);
    return text.c_str();
}

Parsed parse(const char* record) {
    const FlightRead read = parseFlight(record ? record : "", "the page's record");
    Parsed p;
    p.error = read.ok ? std::string() : read.error;
    p.options.inputs = read.inputs;
    p.options.settings = read.settings;
    return p;
}

nlohmann::json recordJson(const SimulationInputs& in, const RunSettings& s) {
    return nlohmann::json::parse(flightText(in, s, ""));
}

std::string valueOf(const Field& f, const SimulationInputs& in, const RunSettings& s) {
    if (const auto* m = std::get_if<InputNumber>(&f.member))
        return formatDecimal(in.**m);
    if (const auto* m = std::get_if<SettingNumber>(&f.member))
        return formatDecimal(s.**m);
    if (const auto* t = std::get_if<InputText>(&f.member))
        return in.**t;
    const int v = std::holds_alternative<InputInt>(f.member) ? in.*std::get<InputInt>(f.member)
                                                             : settingInt(f, s);
    if (f.kind == FieldKind::Variable)
        return std::string(variableInfo(v).name);
    if (f.kind == FieldKind::FamilyUnit || f.kind == FieldKind::PercentUnit) {
        const auto names = unitNamesOf(f);
        return v >= 0 && std::size_t(v) < names.size() ? names[std::size_t(v)] : std::string();
    }
    if (f.kind == FieldKind::VariableUnit)
        return unitName(settingInt(*findField(f.paired), s), v);
    return std::to_string(v);
}

Shown shown;

} // namespace hydrolofter::web

namespace {
// Worker scripts hear of progress through messages (web/site/worker.js).
EM_JS(void, jsProgress, (int value), { postMessage({type : 'progress', value : value}); });
} // namespace

void hydrolofter::web::WorkerHost::setProgress(int percent) {
    jsProgress(percent);
}

namespace {

// The core's enumerations by name, so that the page holds none of their numbers.
constexpr const char* kKindNames[] = {"Number",      "Integer",  "Text",        "FamilyUnit",
                                      "PercentUnit", "Variable", "VariableUnit"};
constexpr const char* kEntryNames[] = {"None", "Number", "Count", "Tick", "Choice", "Note"};
constexpr const char* kGroupNames[] = {"Rocket", "Environment", "Launch", "Settings"};

json fieldJson(const Field& f) {
    json options = json::array();
    for (const FieldOption& o : f.options)
        options.push_back({{"caption", o.caption}, {"help", o.help}, {"spoken", o.spokenName}});
    json j = {{"name", f.name},
              {"kind", kKindNames[int(f.kind)]},
              {"group", kGroupNames[int(f.group)]},
              {"entry", kEntryNames[int(f.entry)]},
              {"caption", f.caption},
              {"help", f.help},
              {"spoken", f.spokenName},
              {"box", f.box},
              {"unitLabel", f.unitLabel},
              {"hint", f.hint},
              {"options", options},
              {"readOnly", f.readOnly},
              {"paired", f.paired},
              {"mode", runModeOf(f)},
              // The kind of run, whose choices frame the settings, and the precision's
              // steps (the one whole-number setting without choices), shown as a slider.
              {"runKinds", std::holds_alternative<SettingMode>(f.member)},
              {"slider", f.group == FieldGroup::Settings && f.kind == FieldKind::Integer &&
                             f.options.empty()}};
    if (f.kind == FieldKind::FamilyUnit || f.kind == FieldKind::PercentUnit)
        j["units"] = unitNamesOf(f);
    if (f.kind == FieldKind::Variable)
        j["variables"] = variableNames(f.list);
    return j;
}

/// A run's end as the page tells it: nothing for a completed run.
std::string outcomeText(RunOutcome outcome, const RunRecords& o) {
    return outcome == RunOutcome::Completed ? std::string()
                                            : pageOutcomeMessage(outcome, o.maxTime);
}

/// A worker's share of a sweep's points: [from, to), their results in order.
class RangeQueue final : public PointQueue {
public:
    RangeQueue(int from, int to)
        : results(std::size_t(std::max(to - from, 0))), next_(from), from_(from), to_(to) {}
    int take() override { return next_ < to_ ? next_++ : -1; }
    void landed(int k, double result) override {
        results[std::size_t(k - from_)] = result;
        jsProgress(++landed_);
    }
    void failed(int, PointEnd end) override {
        if (outcome == RunOutcome::Completed)
            outcome = end == PointEnd::TimedOut ? RunOutcome::TimedOut : RunOutcome::Diverged;
    }
    bool stopRequested() override { return false; }

    std::vector<double> results;
    RunOutcome outcome = RunOutcome::Completed;

private:
    int next_, from_, to_, landed_ = 0;
};

/// The page's run put together from its workers' pieces: its notices are said here, as
/// runSimulation says them of a run it flies whole.
json presentShown() {
    const Shown& s = shown;
    const RunSettings& settings = s.options.settings;
    const bool graph = displayChoice(*s.series, settings) == Graph;
    std::vector<std::string> notices = runNotices(settings, s.options.inputs, *s.series);
    shown.graph = graph ? comparedGraph(notices) : nullptr;
    json axes = json::array();
    if (shown.graph) {
        addShownTrace(*shown.graph, settings);
        // The graph's text alternative: its axes, and a surface's shades from low to high.
        const auto [low, high] = shown.graph->keyLabels();
        axes = {shown.graph->xTitle, shown.graph->yTitle, low, high};
    }
    return {{"graph", graph},
            {"axes", axes},
            {"title", runTitle(settings)},
            {"summary", graph ? std::string() : summaryText(*s.series, settings)},
            {"notices", notices}};
}

} // namespace

extern "C" {

/// The field table as the page builds its controls from it: the fields in page order, each
/// variable's units by name, the precisions, the pages (with the name a design of theirs is
/// saved as, for those that keep designs).
EMSCRIPTEN_KEEPALIVE const char* hl_describe() {
    json fieldsJson = json::array();
    for (const Field& f : fields())
        fieldsJson.push_back(fieldJson(f));
    json variables = json::object();
    for (VariableId v = 0; v < var::Count; ++v) {
        const VariableInfo& info = variableInfo(v);
        variables[std::string(info.name)] = {{"units", variableUnitNames(v)},
                                             {"defaultUnit", info.defaultUnit}};
    }
    json precisions = json::array();
    for (int p = kMinPrecision; p <= kMaxPrecision; ++p)
        precisions.push_back({{"value", p}, {"label", precisionLabel(p)}});
    json groups = json::array();
    for (const auto& [group, caption] : fieldGroups())
        groups.push_back({{"group", kGroupNames[int(group)]},
                          {"caption", caption},
                          {"designFile", group == FieldGroup::Rocket        ? "my.rocket.json"
                                         : group == FieldGroup::Environment ? "my.site.json"
                                                                            : ""}});
    return answer({{"fields", fieldsJson},
                   {"variables", variables},
                   {"precisions", precisions},
                   {"groups", groups}});
}

/// Reads and checks a record: {"error"} for one that cannot be read, {"problems"} for inputs
/// the input check refuses, else whether it is a launch analysis and its points.
EMSCRIPTEN_KEEPALIVE const char* hl_prepare(const char* record) {
    const Parsed p = parse(record);
    if (!p.error.empty())
        return answer({{"error", p.error}});
    const std::vector<std::string> problems = checkInputs(p.options.settings, p.options.inputs);
    if (!problems.empty())
        return answer({{"problems", problems}});
    const RunSettings& s = p.options.settings;
    const int points = s.mode == LaunchAnalysis ? 1 : makeSweepPlan(s, p.options.inputs).points();
    return answer({{"launch", s.mode == LaunchAnalysis}, {"points", points}});
}

/// A worker's launch analysis: its series in memory (three columns of count numbers at
/// "columns"), the flight's results, and how it ended.
EMSCRIPTEN_KEEPALIVE const char* hl_flyLaunch(const char* record) {
    const Parsed p = parse(record);
    if (!p.error.empty()) // the page checked it: this is a fault of the page's, said so
        return answer({{"outcome", int(RunOutcome::Refused)}, {"message", p.error}});
    static SampleSeries series;
    WorkerHost host;
    RunOptions options;
    options.maxFlightTime = p.options.maxTime;
    options.flightResults = true; // the printed page lists them beside the graph: one flight
    runSimulation({p.options.settings, p.options.inputs, options}, host, series);
    const RunOutcome outcome = series.outcome;
    static std::vector<double> columns;
    columns.assign(series.column1.begin(), series.column1.begin() + series.count);
    columns.insert(columns.end(), series.column2.begin(), series.column2.begin() + series.count);
    columns.insert(columns.end(), series.column3.begin(), series.column3.begin() + series.count);
    return answer({{"outcome", int(outcome)},
                   {"message", outcomeText(outcome, p.options)},
                   {"kind", int(series.kind)},
                   {"count", series.count},
                   {"airborne", series.airborneAtEnd},
                   {"flight", series.flight.values},
                   {"columns", std::uintptr_t(columns.data())}});
}

/// A worker's share of a sweep: points [from, to) flown in lanes, their results at "results".
EMSCRIPTEN_KEEPALIVE const char* hl_flyPoints(const char* record, int from, int to) {
    const Parsed p = parse(record);
    if (!p.error.empty()) // the page checked it: this is a fault of the page's, said so
        return answer({{"outcome", int(RunOutcome::Refused)}, {"message", p.error}});
    const RunSettings& s = p.options.settings;
    const SweepPlan plan = makeSweepPlan(s, p.options.inputs);
    const ResultRule rule(plan.resultVariable, plan.resultUnit);
    static std::unique_ptr<RangeQueue> queue;
    queue = std::make_unique<RangeQueue>(from, std::min(to, plan.points()));
    flyLanes(plan, rule, timeStep(s.precision), p.options.maxTime, *queue);
    return answer({{"outcome", int(queue->outcome)},
                   {"message", outcomeText(queue->outcome, p.options)},
                   {"results", std::uintptr_t(queue->results.data())}});
}

/// Puts a launch analysis flown by a worker on show.
EMSCRIPTEN_KEEPALIVE const char* hl_showLaunch(const char* record, const double* columns, int count,
                                               int kind, const double* flight, int airborne) {
    shown.options = parse(record).options;
    shown.series = std::make_shared<SampleSeries>();
    nameShownRun();
    SampleSeries& s = *shown.series;
    s.count = std::clamp(count, 0, SampleSeries::capacity);
    s.kind = SeriesKind(kind);
    std::copy_n(columns, s.count, s.column1.begin());
    std::copy_n(columns + count, s.count, s.column2.begin());
    std::copy_n(columns + 2 * count, s.count, s.column3.begin());
    s.airborneAtEnd = airborne != 0;
    std::copy_n(flight, shown.flight.values.size(), shown.flight.values.begin());
    if (shown.options.settings.launchDisplay == Summary)
        s.flight = shown.flight;
    return answer(presentShown());
}

/// The shown result again, with or without the measured trace kept since.
EMSCRIPTEN_KEEPALIVE const char* hl_reshow() {
    return shown.series ? answer(presentShown()) : answer(json::object());
}

/// Puts a sweep whose points the workers flew on show: results[k] of point k.
EMSCRIPTEN_KEEPALIVE const char* hl_showSweep(const char* record, const double* results,
                                              int points) {
    shown.options = parse(record).options;
    const SweepPlan plan = makeSweepPlan(shown.options.settings, shown.options.inputs);
    SweepResults landed(plan.points());
    for (int k = 0; k < std::min(points, plan.points()); ++k)
        landed.store(k, results[k]);
    shown.series = std::make_shared<SampleSeries>();
    nameShownRun();
    shown.series->kind = plan.innerPoints == 1 ? SeriesKind::Line : SeriesKind::Surface;
    landed.copyTo(*shown.series, plan);
    return answer(presentShown());
}

} // extern "C"
