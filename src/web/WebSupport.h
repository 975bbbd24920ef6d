// What the browser edition's two entry files share: answers to the script, the arguments
// read as the batch tool reads them, and the result on show.
#pragma once

#include "batch/BatchArguments.h"
#include "graph/GraphData.h"
#include "runs/FieldTable.h"

#include <nlohmann/json.hpp>

#include <memory>
#include <string>

namespace hydrolofter::web {

/// Texts handed to the script stay alive until the next answer.
const char* answer(const nlohmann::json& j);
const char* answerText(std::string s);
/// The arguments (a JSON list of strings) as the batch tool reads them.
BatchParse parse(const char* args);
/// A field's value in the records, as a NAME=VALUE argument holds it.
std::string valueOf(const Field& f, const SimulationInputs& in, const RunSettings& s);

/// The result on show: what it was flown with, its series and graph.
struct Shown {
    BatchOptions options;
    std::unique_ptr<SampleSeries> series;
    std::unique_ptr<GraphData> graph;
    FlightResults flight; ///< a launch analysis's flight's results, for the printed page
};
extern Shown shown;

} // namespace hydrolofter::web
