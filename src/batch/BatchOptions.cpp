#include "BatchOptions.h"

#include "BatchArguments.h"
#include "runs/RunMessages.h"
#include "units/NumberText.h"

#include <algorithm>
#include <string>
#include <utility>

namespace hydrolofter {
namespace {

constexpr Option kOptionTable[] = {
    {"--summary", "", "print the results as text instead of the series as CSV"},
    {"--max-time", "SECONDS", "simulated seconds a flight may last (default 3600)"},
    {"--threads", "N",
     "threads that fly an optimisation's points, 1 to 1024 (default: one per hardware thread)"},
    {"--png", "FILE",
     "also write the run's graph as the window draws it (-: the PNG alone to stdout)"},
    {"--size", "WIDTHxHEIGHT", "the image's size, each 100 to 10000 pixels (default 800x500)"},
    {"--rocket", "FILE", "start from a rocket design file (NAME=VALUE changes it)"},
    {"--site", "FILE", "start from a launch site design file (NAME=VALUE changes it)"},
    {"--save-rocket", "FILE", "write the rocket the arguments describe as a design file"},
    {"--save-site", "FILE", "write the launch site the arguments describe as a design file"},
    {"--help", "", "print this text"},
    {"--version", "", "print the program's name and version"},
};

constexpr std::pair<ExitStatus, std::string_view> kExitStatuses[] = {
    {ExitStatus::Done, "done"},
    {ExitStatus::BadArguments, "bad arguments"},
    {ExitStatus::Refused, "inputs refused"},
    {ExitStatus::NotLanded, "a flight did not land within --max-time simulated seconds"},
    {ExitStatus::NoImage, "no image could be written"},
    {ExitStatus::Diverged, "a flight diverged (its numbers grew beyond what a double holds)"},
    {ExitStatus::NotSaved, "a design file could not be written"},
    {ExitStatus::OutputFailed, "the output could not be written (the reason is on stderr)"},
};

} // namespace

std::span<const Option> options() {
    return kOptionTable;
}

const Option* findOption(std::string_view name) {
    if (name == "-h")
        name = "--help";
    for (const Option& o : kOptionTable) {
        if (o.name == name)
            return &o;
    }
    return nullptr;
}

ExitStatus exitStatusFor(RunOutcome outcome) {
    switch (outcome) {
    case RunOutcome::Completed:
        return ExitStatus::Done;
    case RunOutcome::TimedOut:
        return ExitStatus::NotLanded;
    case RunOutcome::Diverged:
        return ExitStatus::Diverged;
    case RunOutcome::Cancelled:
    case RunOutcome::Refused:
        break;
    }
    return ExitStatus::Refused;
}

std::string outcomeMessage(RunOutcome outcome, double maxTime) {
    switch (exitStatusFor(outcome)) {
    case ExitStatus::Done:
        return {};
    case ExitStatus::NotLanded:
        return "a flight was still in the air after " + formatShort(maxTime) +
               " simulated seconds (--max-time); nothing printed";
    case ExitStatus::Diverged:
        return kDivergedMessage;
    default:
        return "the run did not complete";
    }
}

std::string batchUsage() {
    // Appended piece by piece: GCC 12 warns wrongly (-Wrestrict) on some string sums.
    std::string text = "usage: hydrolofter-batch";
    for (const Option& o : kOptionTable) {
        text.append(" [").append(o.name);
        if (!o.value.empty())
            text.append(" ").append(o.value);
        text.append("]");
    }
    text.append(" [NAME=VALUE]...\n"
                "Flies the default rocket, changed by NAME=VALUE settings (fields of the inputs "
                "and\nrun settings, e.g. bottleVolume=1.5 bottleVolumeUnit=L mode=1\n"
                "oneVarIndependent='Bottle Volume'), and prints the series as CSV, or its "
                "summary.\nA unit or variable is given by its name in the program's lists or by "
                "its index.\nOptions:\n");
    for (const Option& o : kOptionTable) {
        std::string left("  ");
        left.append(o.name);
        if (!o.value.empty())
            left.append(" ").append(o.value);
        left.resize(std::max<std::size_t>(left.size() + 2, 26), ' ');
        text.append(left).append(o.help).append("\n");
    }
    text.append("Exit status:\n");
    for (const auto& [status, meaning] : kExitStatuses)
        text.append("  ")
            .append(std::to_string(int(status)))
            .append(" ")
            .append(meaning)
            .append("\n");
    return text;
}

} // namespace hydrolofter
