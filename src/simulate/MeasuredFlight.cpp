#include "MeasuredFlight.h"

#include "runs/FieldTable.h"
#include "units/NumberText.h"

namespace hydrolofter {

std::string MeasuredFlight::load(const std::string& path, const std::string& name,
                                 const TraceFormat& format, std::vector<std::string>& notes) {
    const TraceRead read = readTraceFile(path, format, true);
    if (!read.ok)
        return read.error;
    m_trace = read.trace;
    m_name = name;
    m_figures.reset();
    notes = read.notes;
    return {};
}

void MeasuredFlight::forget() {
    m_trace = {};
    m_name.clear();
    m_figures.reset();
}

void MeasuredFlight::takeFigures() {
    if (m_pending.outcome == RunOutcome::Completed && loaded())
        m_figures = m_pending.figures;
}

std::vector<std::string> MeasuredFlight::figureLinesIn(int unit) const {
    return m_figures ? figureLines(*m_figures, unit) : std::vector<std::string>{};
}

std::string MeasuredFlight::summaryText() const {
    if (!m_figures)
        return {};
    std::string text =
        (m_trace.thrust ? "\nMeasured firing: " : "\nMeasured flight: ") + m_name + "\n";
    for (const std::string& line : figureLines(*m_figures, unit::m))
        text += line + "\n";
    return text;
}

void MeasuredFlight::fit(const SimulationInputs& inputs, const RunSettings& settings,
                         const MeasuredTrace& trace, const FitRequest& request, RunHost& host) {
    m_fitRequest = request;
    m_fitResult = fitToTrace(inputs, settings, trace, request, host);
}

std::string MeasuredFlight::fitQuestion() const {
    const Field& f = *sweptField(m_fitRequest.input);
    std::string text;
    for (const std::string& line :
         fitLines(m_fitResult, std::string(variableInfo(m_fitRequest.input).name), unit::m))
        text += line + '\n';
    const char* page = f.group == FieldGroup::Rocket        ? "Rocket"
                       : f.group == FieldGroup::Environment ? "Environment"
                                                            : "Launch";
    return text + "\nPut " + formatShort(m_fitResult.value) + " into the " + page + " page?";
}

double MeasuredFlight::fittedValue() const {
    return std::stod(formatShort(m_fitResult.value));
}

} // namespace hydrolofter
