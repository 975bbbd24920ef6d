// A measured flight (an altimeter's trace) or firing (a test stand's load cell) held against
// a simulated one; TraceFit.h fits an input to it.
#pragma once

#include "RunHost.h"
#include "RunSettings.h"
#include "SampleSeries.h"
#include "SimulationInputs.h"

#include <limits>
#include <string>
#include <vector>

namespace hydrolofter {

/// Samples in time order: seconds from launch (earlier ones are the rocket on its pad) and
/// metres above the pad, or (thrust) the thrust in N.
struct MeasuredTrace {
    std::vector<double> time;
    std::vector<double> height; ///< or the thrust
    bool thrust = false;        ///< a stand's firing: the values are forces
};

/// The measured and simulated flights side by side: heights in m, times in s; for a
/// firing, forces in N and impulses in N·s (rms is then the force's).
struct TraceFigures {
    bool thrust = false;
    double measuredImpulse = 0, simulatedImpulse = 0;
    double measuredPeak = 0, simulatedPeak = 0;
    double measuredApogee = 0;
    double measuredApogeeAt = 0;
    double simulatedApogee = 0;
    double simulatedApogeeAt = 0;
    /// The root mean square of measured less simulated height over every sample, the
    /// simulated height taken at the sample's time by linear interpolation between steps.
    double rms = 0;
};

struct TraceComparison {
    RunOutcome outcome = RunOutcome::Completed;
    TraceFigures figures;
};

/// Flies the inputs with the settings' time step and flight model until the simulated rocket has
/// passed its apogee and the last sample, or has landed, and compares it with the trace (two
/// samples or more). Before launch the rocket stands at its initial height; after landing, at 0.
TraceComparison compareWithTrace(const SimulationInputs& inputs, const RunSettings& settings,
                                 const MeasuredTrace& trace, RunHost& host,
                                 double maxFlightTime = std::numeric_limits<double>::infinity());

/// The figures as lines of text, heights in unit heightUnit of the Height variable.
std::vector<std::string> figureLines(const TraceFigures& figures, int heightUnit);

/// compareWithTrace without progress by flight time: a fit counts flights instead.
TraceComparison flyAgainstTraceQuietly(const SimulationInputs& inputs, const RunSettings& settings,
                                       const MeasuredTrace& trace, RunHost& host,
                                       double maxFlightTime);

/// A height in metres as text in unit heightUnit of the Height variable: "37.04 m".
std::string heightText(double metres, int heightUnit);
/// The unit of the Height variable figures give heights in: the plotted one when Height is
/// plotted, else metres.
int figureHeightUnit(const RunSettings& settings);
/// A difference of a trace's values as text: a height as heightText, a force in N.
std::string differenceText(double value, bool thrust, int heightUnit);

} // namespace hydrolofter
