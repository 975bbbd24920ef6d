// One flight from the inputs: its plotted variable in buckets of steps, or its results.
#pragma once

#include "RunHost.h"
#include "RunSimulation.h"

namespace hydrolofter {

/// Flies the launch analysis of s into series (a graph when s.launchDisplay is Graph, the
/// flight's results otherwise) and says how it ended.
RunOutcome launchAnalysis(const RunSettings& s, const SimulationInputs& inputs, RunHost& host,
                          SampleSeries& series, double dt, const RunOptions& options);

} // namespace hydrolofter
