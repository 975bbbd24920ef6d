// The batch tool's options that hold other flights against the run: --compare, --measured
// with its format, --fit.
#pragma once

#include "BatchArguments.h"

#include <string>
#include <string_view>
#include <vector>

namespace hydrolofter {

/// What the measured options name until every argument has been read.
struct PendingTrace {
    std::string path;
    TraceFormat format;
};

/// Takes the option if it is one of these: true when it is (error set when its value is
/// wrong), false for any other option.
bool takeComparisonOption(std::string_view name, const std::string& value, BatchOptions& options,
                          PendingTrace& pending, std::string& error);

/// After every argument: reads the measured file, checks --fit's NAME and range. Returns
/// what is wrong, or an empty string.
std::string finishComparisonOptions(BatchOptions& options, const PendingTrace& pending,
                                    std::vector<std::string>& notes);

} // namespace hydrolofter
