// Turns a finished run's series into what the user sees, one job to a file: the graph and
// title (Presentation.cpp), the summary (SummaryText.cpp), the CSV (SeriesCsv.cpp), the
// printed page's lines (PrintedLines.cpp).
#pragma once

#include "GraphData.h"
#include "runs/RunSettings.h"
#include "runs/SampleSeries.h"
#include "runs/SimulationInputs.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace hydrolofter {

struct Field;

/// The display choice that applies to a series of this kind.
int displayChoice(const SampleSeries& series, const RunSettings& settings);

/// The graph of a finished run, with captions, axes and a copy of the data.
/// settings must be the snapshot the run was flown with.
std::unique_ptr<GraphData> makeGraph(const SampleSeries& series, const RunSettings& settings);

/// Plain text for a fixed-width box: the flight's results, or the sweep's table and its
/// largest result.
std::string summaryText(const SampleSeries& series, const RunSettings& settings);

/// What kind of run the settings ask for, as a title: "Launch Analysis", or the
/// optimisation with its result and swept variables.
std::string runTitle(const RunSettings& settings);

/// The series as CSV: a header naming the columns, then one row per entry with every
/// number to 17 significant digits (so that reading it back gives the same doubles).
std::string seriesCsv(const SampleSeries& series, const RunSettings& settings);

/// An input as a run reads it, its value with its unit as typed ("25 %", "yes"); nothing
/// for a setting, a note or an input this rocket does not use (a kamikaze's parachute).
std::optional<std::string> inputText(const Field& field, const SimulationInputs& inputs);

/// How a run was flown: its time step and flight model, as (caption, value).
std::vector<std::pair<std::string, std::string>> runLines(const RunSettings& settings);
/// The same as lines of text, "Time step: 1 millisecond" and so on.
std::string runHeader(const RunSettings& settings);

/// How the run was flown (runLines), then the inputs of a run as (caption, value with its
/// unit, as typed) in page order, the parachute's only when the rocket has one, a swept
/// one as its range
/// ("50 to 250 g (swept)"); the extended model's own inputs only when it flew.
std::vector<std::pair<std::string, std::string>> inputLines(const SimulationInputs& inputs,
                                                            const RunSettings& settings);

/// The results of a flight as (caption, value with its unit), each in its default
/// unit or, where graph (a launch graph's settings) plots its quantity, in the graph's.
std::vector<std::pair<std::string, std::string>> resultLines(const FlightResults& results,
                                                             const RunSettings* graph = nullptr);

} // namespace hydrolofter
