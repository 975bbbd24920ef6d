// The run driver: a launch analysis or an optimisation sweep, reported through a RunHost.
#pragma once

#include "RunHost.h"
#include "RunSettings.h"
#include "SampleSeries.h"
#include "SimulationInputs.h"
#include "VariableReaders.h"

#include <limits>

namespace hydrolofter {

/// Entries a launch analysis records before it stops; the final append makes it 16384.
inline constexpr int kRecordLimit = 16383;

/// Simulated seconds a scripted flight may last unless told otherwise (the batch tool's
/// --max-time; the browser's runs).
inline constexpr double kScriptedMaxFlightTime = 3600;

/// How a run is carried out, beyond what the settings say.
struct RunOptions {
    /// Simulated seconds a flight may last. The window sets none (a flight that never
    /// lands runs until cancelled); a scripted run needs one.
    double maxFlightTime = std::numeric_limits<double>::infinity();
    /// Worker threads that fly an optimisation's points: 0 for one per hardware thread,
    /// 1 to fly them one after the other on the calling thread.
    int threads = 0;
    /// A launch graph's flight also tracks the flight's results (SampleSeries::flight, as a
    /// summary's flight gives them), for a face that shows both: one flight, not two.
    bool flightResults = false;
};

/// A run as every face asks for it: the inputs and settings records and how to carry it out.
struct RunRequest {
    RunSettings settings;
    SimulationInputs inputs;
    RunOptions options;
};

/// Performs the run of settings.mode into series and returns the number of entries.
/// Settings and inputs are copied when the run starts, so edits made while it flies (on a
/// window's worker thread) cannot mix into it. Inputs that the input check refuses fly nothing
/// (outcome Refused, count 0). A completed run's notices are in series.notices. endRun is
/// called on every way out.
/// The points of an optimisation are flown on worker threads (options.threads); the host
/// is only ever called from the calling thread, and the results are the same to the bit,
/// in the same order, as when they are flown one after the other.
int runSimulation(const RunRequest& request, RunHost& host, SampleSeries& series);

} // namespace hydrolofter
