// Turns a finished run's series into what the user sees: a graph or a summary text.
#pragma once

#include "GraphData.h"
#include "runs/RunSettings.h"
#include "runs/SampleSeries.h"

#include <memory>
#include <string>

namespace hydrolofter {

/// The display choice that applies to a series of this kind.
int displayChoice(const SampleSeries& series, const RunSettings& settings);

/// The graph of a finished run, with captions, axes and a copy of the data.
/// settings must be the snapshot the run was flown with.
std::unique_ptr<GraphData> makeGraph(const SampleSeries& series, const RunSettings& settings);

/// Plain text for a fixed-width box: the flight's results, or the sweep's table and its
/// largest result.
std::string summaryText(const SampleSeries& series, const RunSettings& settings);

} // namespace hydrolofter
