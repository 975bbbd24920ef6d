// What the program tells the user about a run beyond its numbers.
#pragma once

#include "RunSettings.h"
#include "SampleSeries.h"
#include "SimulationInputs.h"

#include <string>
#include <vector>

namespace hydrolofter {

inline constexpr char kDivergedMessage[] =
    "The flight could not be computed: its numbers grew beyond what can be represented. "
    "An input is extreme, or the time step is too coarse for it; try a finer precision.";

/// What a run that did not complete says (nothing for a completed one); maxTime is the
/// batch tool's limit on simulated seconds.
std::string outcomeMessage(RunOutcome outcome, double maxTime);
/// The same in the words of a page, which has no command-line options: the browser's.
std::string pageOutcomeMessage(RunOutcome outcome, double maxTime);

/// Notes on a completed run whose result is right but would surprise without a word: a
/// graph that ends before the landing, a swept input that cannot change the result.
std::vector<std::string> runNotices(const RunSettings& settings, const SimulationInputs& inputs,
                                    const SampleSeries& series);

} // namespace hydrolofter
