// A batch run from parsed options: the run, the flights compared with it, the measured
// flight and the fit, and what they print.
#pragma once

#include "BatchArguments.h"

#include <string>
#include <vector>

namespace hydrolofter {

/// Flies what the options ask for. output gets what goes to standard output; said gets the
/// lines for standard error (why the run failed, or notes on it).
ExitStatus runBatch(const BatchOptions& options, std::string& output,
                    std::vector<std::string>& said);

} // namespace hydrolofter
