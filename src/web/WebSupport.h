// What the browser edition's entry files share: answers to the script, the records the
// page holds (the flight file's objects, JSON) read back, and the result on show.
#pragma once

#include "graph/GraphData.h"
#include "runs/FieldTable.h"
#include "runs/RunSettings.h"
#include "runs/RunSimulation.h"
#include "runs/SimulationInputs.h"

#include <nlohmann/json.hpp>

#include <memory>
#include <string>

namespace hydrolofter::web {

/// Texts handed to the script stay alive until the next answer.
const char* answer(const nlohmann::json& j);
const char* answerText(std::string s);
/// What a run is flown with.
struct RunRecords {
    SimulationInputs inputs;
    RunSettings settings;
    double maxTime = kScriptedMaxFlightTime;
};
struct Parsed {
    RunRecords options;
    std::string error; ///< empty when the record was read
};
/// A record the page holds: a flight object as recordJson made it.
Parsed parse(const char* record);
/// The records as the page holds them: the flight file's object.
nlohmann::json recordJson(const SimulationInputs& in, const RunSettings& s);
/// A field's value as its control shows it and a NAME=VALUE holds it: a number's text, a
/// choice's index, a variable's or unit's name.
std::string valueOf(const Field& f, const SimulationInputs& in, const RunSettings& s);

/// The result on show: what it was flown with, its series and graph.
struct Shown {
    RunRecords options;
    std::shared_ptr<SampleSeries> series; ///< shared with the comparison when kept
    std::unique_ptr<GraphData> graph;
    FlightResults flight; ///< a launch analysis's flight's results, for the printed page
};
extern Shown shown;

/// The host of a run in a worker: progress as messages; a cancel ends the worker itself.
class WorkerHost final : public RunHost {
public:
    void beginRun() override {}
    void setProgress(int percent) override;
    bool cancelRequested() override { return false; }
    void endRun() override {}
};

/// The shown result's graph with the flights kept for comparison drawn with it (a note when
/// they are not), and a new result's name ("Flight N") (WebCompare.cpp).
std::unique_ptr<GraphData> comparedGraph(std::vector<std::string>& notes);
void nameShownRun();
/// The shown result's CSV, with a column group for each flight drawn with it.
std::string comparedCsv();

/// Draws the kept measured trace over a launch graph of its quantity (WebMeasured.cpp).
void addShownTrace(GraphData& graph, const RunSettings& settings);

} // namespace hydrolofter::web
