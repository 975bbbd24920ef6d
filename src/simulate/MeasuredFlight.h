// A measured flight held by the Simulate page: the trace drawn over a launch graph, its
// figures against the shown flight, and the fit of an input to it. No widgets: the page
// shows what it says and runs its flights on its worker.
#pragma once

#include "designs/TraceFile.h"
#include "runs/MeasuredTrace.h"
#include "runs/TraceFit.h"

#include <optional>
#include <string>
#include <vector>

namespace hydrolofter {

class MeasuredFlight {
public:
    bool loaded() const { return !m_trace.time.empty(); }
    const MeasuredTrace& trace() const { return m_trace; }
    /// Reads the trace at path (shown by name): the reason on failure, with the flight held
    /// before kept; else empty, with what the reading passed over in notes.
    std::string load(const std::string& path, const std::string& name, const TraceFormat& format,
                     std::vector<std::string>& notes);
    void forget();

    /// The figures of the shown launch analysis against the trace, once flown.
    const std::optional<TraceFigures>& figures() const { return m_figures; }
    void clearFigures() { m_figures.reset(); }
    /// On the worker: flies inputs against trace (a copy, so that the page may change its
    /// own meanwhile); takeFigures keeps the figures once the worker has ended.
    void flyAgainst(const SimulationInputs& inputs, const RunSettings& settings,
                    const MeasuredTrace& trace, RunHost& host) {
        m_pending = compareWithTrace(inputs, settings, trace, host);
    }
    void forgetPending() { m_pending = {}; }
    void takeFigures();
    /// The figures as lines, heights in unit; none without figures.
    std::vector<std::string> figureLinesIn(int unit) const;
    /// The figures under a summary: a heading naming the file, then a line each (in m).
    std::string summaryText() const;
    /// The legend line of its samples.
    std::string legend() const { return "Measured (" + m_name + ")"; }

    /// On the worker: fits request's input to trace from inputs and settings.
    void fit(const SimulationInputs& inputs, const RunSettings& settings,
             const MeasuredTrace& trace, const FitRequest& request, RunHost& host);
    const FitRequest& fitRequest() const { return m_fitRequest; }
    const FitResult& fitResult() const { return m_fitResult; }
    /// What a completed fit asks: its lines, then whether to put the value into its page.
    std::string fitQuestion() const;
    /// The value a completed fit puts into its page: the one its question shows.
    double fittedValue() const;

private:
    MeasuredTrace m_trace; ///< empty: none
    std::string m_name;
    std::optional<TraceFigures> m_figures;
    TraceComparison m_pending; ///< written by the worker, read once it has ended
    FitRequest m_fitRequest;
    FitResult m_fitResult; ///< written by the worker, read once it has ended
};

} // namespace hydrolofter
