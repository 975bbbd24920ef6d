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
    return hydrolofter::fitQuestion(m_fitResult, m_fitRequest);
}

double MeasuredFlight::fittedValue() const {
    return shownValue(m_fitResult);
}

} // namespace hydrolofter
