#include "BatchOptions.h"

#include "BatchArguments.h"
#include "runs/FieldTable.h"
#include "runs/RunMessages.h"
#include "units/NumberText.h"
#include "units/VariableCatalog.h"

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
    {"--flight", "FILE",
     "start from a flight file: every input and setting (NAME=VALUE changes it)"},
    {"--save-flight", "FILE", "write everything the arguments describe as a flight file"},
    {"--compare", "FILE",
     "fly a flight file's inputs with this run's settings and draw it with the run in the "
     "graph and CSV (up to 6 times)"},
    {"--measured", "FILE",
     "a measured flight (time and altitude columns, CSV, ; or tab separated) or a stand's "
     "firing (time and force columns): --summary adds how it compares, --png draws it over a "
     "Height or a Thrust graph"},
    {"--measured-columns", "TIME,ALTITUDE",
     "the measured file's columns, by header name or position from 1 (default: the columns "
     "named time and alt, height, force or thrust, else 1,2)"},
    {"--measured-time-unit", "s|ms", "the measured times' unit (default: the header's, else s)"},
    {"--measured-height-unit", "m|ft",
     "the measured altitudes' unit (default: the header's, else m)"},
    {"--measured-force-unit", "N|lbf|kgf",
     "the file is a firing, its forces in this unit (default: a firing when its value "
     "column's header names a force or thrust, in the header's unit, else N)"},
    {"--fit", "NAME",
     "find the value of the input NAME that brings the flight closest to --measured, and print "
     "it as NAME: VALUE with the RMS height (or force) difference before and after"},
    {"--fit-range", "FROM:TO",
     "where --fit looks, in the input's unit (default: a quarter to four times its value)"},
    {"--list", "", "print every NAME with its kind, its units or choices and its default"},
    {"--help", "", "print the usage text"},
    {"--version", "", "print the program's name and version"},
};

constexpr std::pair<int, std::string_view> kExitStatuses[] = {
    {int(ExitStatus::Done), "done"},
    {int(ExitStatus::BadArguments), "bad arguments"},
    {int(ExitStatus::Refused), "inputs refused"},
    {int(ExitStatus::NotLanded), "a flight did not land within --max-time simulated seconds"},
    {int(ExitStatus::NoImage), "no image could be written"},
    {int(ExitStatus::Diverged), "a flight diverged (its numbers grew beyond what a double holds)"},
    {int(ExitStatus::NotSaved), "a design or flight file could not be written"},
    {int(ExitStatus::OutputFailed), "the output could not be written (the reason is on stderr)"},
};

} // namespace

std::span<const std::pair<int, std::string_view>> exitStatuses() {
    return kExitStatuses;
}

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

namespace {

/// What the whole numbers that choose something stand for.
std::string joinedNames(int count, auto nameAt) {
    std::string s;
    for (int i = 0; i < count; ++i)
        s.append(i ? ", " : "").append(nameAt(i));
    return s;
}

/// A whole-number field's choices and its default, as --list shows them.
std::string describeChoices(const Field& f, int index) {
    std::string choices;
    if (f.entry == Entry::Tick)
        choices = "0 no, 1 yes";
    for (std::size_t i = 0; i < f.options.size(); ++i)
        choices.append(i ? ", " : "")
            .append(std::to_string(i))
            .append(" ")
            .append(withoutMnemonic(f.options[i].caption));
    if (f.name == "precision")
        choices.append("1 (")
            .append(precisionLabel(kMinPrecision))
            .append(") to 8 (")
            .append(precisionLabel(kMaxPrecision))
            .append(")");
    return (choices.empty() ? std::string("whole number") : choices) + "; default " +
           std::to_string(index);
}

} // namespace

std::string describeField(const Field& f) {
    static const SimulationInputs inputs;
    static const RunSettings settings;
    std::string number;
    int index = 0;
    if (const auto* m = std::get_if<InputNumber>(&f.member))
        number = formatShort(inputs.**m);
    else if (const auto* m = std::get_if<SettingNumber>(&f.member))
        number = formatShort(settings.**m);
    else if (const auto* m = std::get_if<InputInt>(&f.member))
        index = inputs.**m;
    else if (isSettingInt(f))
        index = settingInt(f, settings);
    switch (f.kind) {
    case FieldKind::Number:
        return "number, default " + number +
               (f.paired.empty() ? "" : "; its unit is " + std::string(f.paired));
    case FieldKind::Integer:
        return describeChoices(f, index);
    case FieldKind::Text:
        return "text, default empty";
    case FieldKind::FamilyUnit:
    case FieldKind::PercentUnit: {
        const std::vector<std::string> names = unitNamesOf(f);
        auto nameAt = [&](int i) { return names[std::size_t(i)]; };
        return "unit: " + joinedNames(int(names.size()), nameAt) + "; default " + nameAt(index);
    }
    case FieldKind::Variable: {
        // Quoted: a name may hold a comma ('Par., Number of').
        auto quoted = [](std::string_view name) {
            std::string q(1, '\'');
            return q.append(name).append(1, '\''); // appended: GCC 12 -Wrestrict
        };
        auto nameAt = [&](int i) { return quoted(variableInfo(variableAt(f.list, i)).name); };
        return "variable: " + joinedNames(listSize(f.list), nameAt) + "; default " +
               quoted(variableInfo(index).name);
    }
    case FieldKind::VariableUnit: {
        const Field* variable = findField(f.paired);
        const VariableId v = settingInt(*variable, settings);
        return "unit of the variable in " + std::string(f.paired) + "; default " +
               unitName(v, index) + " (of " + std::string(variableInfo(v).name) + ")";
    }
    }
    return {};
}

std::string fieldListing() {
    std::string text;
    for (const auto& [group, caption] : fieldGroups()) {
        text.append(text.empty() ? "" : "\n").append(caption).append(":\n");
        for (const Field& f : fields()) {
            if (f.group != group)
                continue;
            std::string left("  ");
            left.append(f.name);
            left.resize(std::max<std::size_t>(left.size() + 2, 28), ' ');
            text.append(left);
            // The page's caption, where the field has one of its own.
            if (const std::string caption = f.checkName(); !caption.empty())
                text.append("\"").append(caption).append("\": ");
            text.append(describeField(f)).append("\n");
        }
    }
    return text;
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
                "and\nrun settings, which --list shows with their units and defaults, e.g.\n"
                "bottleVolume=1.5 bottleVolumeUnit=L mode=1\n"
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
        text.append("  ").append(std::to_string(status)).append(" ").append(meaning).append("\n");
    return text;
}

} // namespace hydrolofter
