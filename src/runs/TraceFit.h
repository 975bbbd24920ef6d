// The fit of one input to a measured flight: the value that brings the simulated heights
// closest to the measured ones.
#pragma once

#include "MeasuredTrace.h"

#include <string>
#include <vector>

namespace hydrolofter {

/// One input to fit, and its range in the unit the inputs hold it in.
struct FitRequest {
    VariableId input = var::DragCoefficient;
    double from = 0;
    double to = 0;
};

struct FitResult {
    RunOutcome outcome = RunOutcome::Completed;
    std::string refusal; ///< why the request cannot be flown (outcome Refused)
    double value = 0;    ///< the fitted value, in the input's unit
    double rmsBefore = 0;
    double rmsAfter = 0;
    int flights = 0;
    bool thrust = false; ///< fitted to a firing: the RMS is the force's
};

/// Where a fit looks unless told: a quarter to four times the value, or -1 to 1 for 0.
FitRequest defaultFitRange(VariableId input, double value);

/// The inputs whose value can be fitted: the sweepable inputs that take any number.
bool fittable(VariableId input);

/// Finds the value of request.input within [from, to] that gives the smallest RMS
/// difference: a scan of the range (its flights on up to threads threads, 0: one per
/// hardware thread), then golden-section search around its best point. Every flight is
/// flown at settings' precision; progress counts flights; a cancel ends it. The host is
/// only called from the calling thread, and the result is the same on any number of threads.
FitResult fitToTrace(const SimulationInputs& inputs, const RunSettings& settings,
                     const MeasuredTrace& trace, const FitRequest& request, RunHost& host,
                     double maxFlightTime = std::numeric_limits<double>::infinity(),
                     int threads = 0);

/// "name: 0.3512" (the value in the input's unit), then the RMS before and after in unit
/// heightUnit of the Height variable (a firing's in N).
std::vector<std::string> fitLines(const FitResult& fit, const std::string& name, int heightUnit);

/// The fit's lines, then "Put 0.3512 into the Rocket page?".
std::string fitQuestion(const FitResult& fit, const FitRequest& request);
/// The fitted value as its lines show it, which is what goes into the page.
double shownValue(const FitResult& fit);

} // namespace hydrolofter
