#include "RunMessages.h"

#include "FieldTable.h"

#include "units/NumberText.h"

namespace hydrolofter {
namespace {

bool isParachuteVariable(VariableId v) {
    return v >= var::ParDeployTime && v <= var::ParSurfaceArea;
}

} // namespace

std::string outcomeMessage(RunOutcome outcome, double maxTime) {
    switch (outcome) {
    case RunOutcome::Completed:
        return {};
    case RunOutcome::TimedOut:
        return "a flight was still in the air after " + formatShort(maxTime) +
               " simulated seconds (--max-time); nothing printed";
    case RunOutcome::Diverged:
        return kDivergedMessage;
    case RunOutcome::Cancelled:
    case RunOutcome::Refused:
        break;
    }
    return "the run did not complete";
}

std::string pageOutcomeMessage(RunOutcome outcome, double maxTime) {
    if (outcome == RunOutcome::TimedOut)
        return "A flight was still in the air after " + formatShort(maxTime) +
               " simulated seconds, so there is nothing to show: an updraft stronger than the "
               "rocket's fall keeps it up for ever.";
    return outcomeMessage(outcome, maxTime);
}

std::vector<std::string> runNotices(const RunSettings& settings, const SimulationInputs& inputs,
                                    const SampleSeries& series) {
    std::vector<std::string> notices;
    // At 1/10 or 1/100 s a launch's few steps of thrust are flown far off (79.6 m against
    // 42.3 m for the default rocket at 1/10 s); nothing else would tell the user.
    if (settings.precision <= 2 && settings.precision >= kMinPrecision)
        notices.push_back("The time step (" + std::string(precisionLabel(settings.precision)) +
                          ") is coarse: the numbers can be far off; a finer precision gives "
                          "truer ones.");
    if (series.kind == SeriesKind::MinMaxBars && series.airborneAtEnd && series.count > 0)
        notices.push_back("The rocket had not landed after " +
                          formatShort(series.column3[std::size_t(series.count - 1)]) +
                          " s; the graph shows the flight up to then.");
    std::vector<VariableId> swept;
    if (settings.mode == OneVariableOptimization)
        swept = {settings.oneVarIndependent};
    else if (settings.mode == TwoVariableOptimization)
        swept = {settings.xAxisVariable, settings.yAxisVariable};
    for (VariableId v : swept) {
        const Field* f = isValidVariable(v) ? sweptField(v) : nullptr;
        if (f && f->extendedOnly && settings.flightModel != ExtendedModel)
            notices.push_back(std::string(variableInfo(v).name) +
                              " has no effect: the Classic flight model does not use it (choose "
                              "Extended on the Simulation Settings page).");
    }
    if (inputs.kamikaze != 0) {
        for (VariableId v : swept) {
            if (isValidVariable(v) && isParachuteVariable(v))
                notices.push_back(std::string(variableInfo(v).name) +
                                  " has no effect: the rocket has no parachute (Kamikaze Rocket "
                                  "is ticked).");
        }
    }
    return notices;
}

} // namespace hydrolofter
