// The lines of a printed page: the inputs a run read (ranges swept), a flight's results.
#include "Presentation.h"
#include "PresentationNames.h"

#include "runs/FieldTable.h"
#include "units/NumberText.h"

namespace hydrolofter {

using namespace presentation;

std::vector<std::pair<std::string, std::string>> resultLines(const FlightResults& r,
                                                             const RunSettings* graph) {
    std::vector<std::pair<std::string, std::string>> lines;
    for (int k = 0; k < listSize(VariableList::ResultVariables); ++k) {
        const VariableId v = variableAt(VariableList::ResultVariables, k);
        const VariableInfo& info = variableInfo(v);
        int unit = info.defaultUnit;
        double value = r[v];
        // A result of the quantity the graph plots is quoted in the graph's unit; their unit
        // lists are the same.
        if (graph && info.result.plotted >= 0 && graph->plotVariable == info.result.plotted &&
            unit != graph->plotUnit) {
            value = convertUnits(info.units.family, value, unit, graph->plotUnit);
            unit = graph->plotUnit;
        }
        lines.emplace_back(name(v), valueWithUnit(value, v, unit));
    }
    return lines;
}

std::vector<std::pair<std::string, std::string>> runLines(const RunSettings& s) {
    const Field& model = *findField("flightModel");
    const auto m = std::size_t(s.flightModel);
    return {{"Time step", std::string(precisionLabel(s.precision))},
            {"Flight model", m < model.options.size() ? withoutMnemonic(model.options[m].caption)
                                                      : std::to_string(s.flightModel)}};
}

std::string runHeader(const RunSettings& s) {
    std::string text;
    for (const auto& [caption, value] : runLines(s))
        text += caption + ": " + value + "\n";
    return text;
}

std::vector<std::pair<std::string, std::string>> inputLines(const SimulationInputs& in,
                                                            const RunSettings& s) {
    std::vector<std::pair<std::string, std::string>> lines = runLines(s);
    for (const Field& f : fields()) {
        if (f.extendedOnly && s.flightModel != ExtendedModel)
            continue;
        if (const std::optional<std::string> text = inputText(f, in))
            lines.emplace_back(f.sweep >= 0 ? std::string(name(f.sweep)) : f.plainCaption(), *text);
    }
    auto range = [&](VariableId v, int unit, double from, double to) {
        const std::string unitText = unitName(v, unit);
        for (auto& [caption, value] : lines) {
            if (caption == name(v))
                value = formatDecimal(from) + " to " + formatDecimal(to) +
                        (unitText.empty() ? "" : " " + unitText) + " (swept)";
        }
    };
    if (s.mode == OneVariableOptimization)
        range(s.oneVarIndependent, s.oneVarIndependentUnit, s.oneVarRangeFrom, s.oneVarRangeTo);
    if (s.mode == TwoVariableOptimization) {
        range(s.xAxisVariable, s.xAxisUnit, s.xRangeFrom, s.xRangeTo);
        range(s.yAxisVariable, s.yAxisUnit, s.yRangeFrom, s.yRangeTo);
    }
    return lines;
}

std::optional<std::string> inputText(const Field& f, const SimulationInputs& in) {
    // What a run reads, as the run reads it: not the notes, not the unused parachute.
    if (f.group == FieldGroup::Settings || f.model.rule == ModelRule::None || !fieldApplies(f, in))
        return std::nullopt;
    if (f.box == "Parachute" && f.entry != Entry::Tick && in.kamikaze != 0)
        return std::nullopt;
    if (f.entry == Entry::Tick)
        return in.*std::get<InputInt>(f.member) != 0 ? "yes" : "no";
    if (f.entry == Entry::Count)
        return std::to_string(in.*std::get<InputInt>(f.member));
    const int index = unitIndexOf(f, in);
    std::string unit;
    if (f.sweep >= 0) {
        unit = unitName(f.sweep, index < 0 ? 0 : index);
    } else if (const Field* u = findField(f.paired); u && index >= 0) {
        const auto names = unitNames(u->family);
        if (std::size_t(index) < names.size())
            unit = std::string(names[std::size_t(index)]);
    }
    const std::string value = formatDecimal(in.*std::get<InputNumber>(f.member));
    return unit.empty() ? value : value + " " + unit;
}

} // namespace hydrolofter
