// Flights drawn together: results kept for comparison, and a measured trace over a flight.
#pragma once

#include "GraphData.h"
#include "runs/MeasuredTrace.h"
#include "runs/RunSettings.h"
#include "runs/SampleSeries.h"
#include "runs/SimulationInputs.h"

#include <memory>
#include <span>
#include <string>
#include <vector>

namespace hydrolofter {

/// Flights a comparison holds besides the run on show.
inline constexpr int kMaxCompared = 6;

/// A result kept to be drawn with others: its series, what it was flown with, its name.
struct ComparedRun {
    std::string name;
    std::shared_ptr<const SampleSeries> series;
    RunSettings settings;
    SimulationInputs inputs = {}; ///< for naming it by what differs (differenceNames)
    int colour = -1;              ///< its place in comparisonColours(); -1: its place in runs
};

/// The colour of each flight of a comparison, in order; the first is the graph's own
/// data colour, so that a single flight looks as it always does.
std::span<const Rgb> comparisonColours();
/// Measured samples: a colour no flight takes.
inline constexpr Rgb kMeasuredColour{230, 0, 150};

/// What a result's graph shows, in words: "Height" for a launch graph, "Time Aloft against
/// Empty Mass" for a one-variable sweep's; empty for a result that cannot be compared (a
/// summary, a surface). Results of the same subject can be drawn together.
std::string comparisonSubject(const SampleSeries& series, const RunSettings& settings);

/// The graph of runs[shown] with every other run drawn with it, each in its colour by its
/// place in runs and converted to the shown run's units, the axes spanning them all, and a
/// legend naming each in order. One run: its plain graph. Every run must have the shown
/// run's subject.
std::unique_ptr<GraphData> comparisonGraph(const std::vector<ComparedRun>& runs, std::size_t shown);

/// Adds a measured trace to a launch graph of Height, in its unit, or a firing to one of
/// Thrust (other graphs are left as they are): the samples as points, the axes widened to hold
/// them, and a legend line (with flightName's for the flight if the graph had no legend). False
/// when not added.
bool addMeasuredTrace(GraphData& graph, const RunSettings& settings, const MeasuredTrace& trace,
                      const std::string& traceName, const std::string& flightName);

/// Names that tell flights drawn together apart, by the inputs (and time step) in which
/// they differ from runs[shown]: each other flight by its own values of those it differs in
/// ("Water Volume 25 %, Empty Mass 200 g"), the shown one by its values of all of them; at
/// most three, then "…". Empty for a flight that differs in nothing.
std::vector<std::string> differenceNames(const std::vector<ComparedRun>& runs, std::size_t shown);

/// Whether two runs are the same flight: the same inputs and settings, to the bit.
bool sameFlight(const ComparedRun& a, const ComparedRun& b);

/// The runs as CSV: the columns of each run's series side by side, each group's names
/// led by the run's name ("Flight 2: Time (sec)"), in the shown run's units; a run with
/// fewer rows leaves its cells empty. One run: its plain CSV.
std::string comparisonCsv(const std::vector<ComparedRun>& runs, std::size_t shown);

} // namespace hydrolofter
