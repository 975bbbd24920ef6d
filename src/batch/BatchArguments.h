// Command-line arguments of hydrolofter-batch: NAME=VALUE settings and options.
#pragma once

#include "designs/TraceFile.h"
#include "runs/RunSettings.h"
#include "runs/RunSimulation.h"
#include "runs/SampleSeries.h"
#include "runs/SimulationInputs.h"

#include <string>
#include <vector>

namespace hydrolofter {

struct BatchOptions {
    SimulationInputs inputs;
    RunSettings settings;
    bool summary = false;
    double maxTime = kScriptedMaxFlightTime; ///< simulated seconds a flight may last
    int threads = 0;     ///< worker threads for an optimisation; 0: one per hardware thread
    std::string pngFile; ///< empty: no image
    int pngWidth = 800;
    int pngHeight = 500;
    bool help = false;
    bool version = false;
    bool list = false;
    std::string saveRocket;  ///< empty: none; else the rocket design file to write
    std::string saveSite;    ///< likewise the launch site
    std::string saveFlight;  ///< likewise everything, as a flight file
    std::string description; ///< a flight file's description, kept for --save-flight
    std::string flightName;  ///< the --flight file's name, for a comparison's legend
    /// Flight files to compare: each one's name and inputs (flown with this run's settings).
    std::vector<std::pair<std::string, SimulationInputs>> compared;
    std::string measuredName; ///< the measured file's name; empty: none
    MeasuredTrace measured;
    std::string fit; ///< the NAME of the input to fit; empty: no fit
    bool fitRangeGiven = false;
    double fitFrom = 0, fitTo = 0; ///< in the input's unit
};

struct BatchParse {
    BatchOptions options;
    std::string error;              ///< empty when the arguments were understood
    std::vector<std::string> notes; ///< what loading design files passed over or defaulted
};

/// Reads the arguments (without the program name). Design and flight files (--rocket,
/// --site, --flight; a later one replaces what an earlier one set) are loaded first, then the
/// NAME=VALUE arguments change what they hold. Unknown names, values that are not numbers, unknown
/// unit or variable names and refused design files give an error naming the argument or file and
/// what is wrong.
BatchParse parseBatchArguments(const std::vector<std::string>& args);

/// The usage text.
std::string batchUsage();

/// Every NAME, grouped as the window's pages are, with what it holds (its unit list or
/// choices) and its default: what --list prints.
std::string fieldListing();

/// The tool's exit statuses, as the usage text lists them.
enum class ExitStatus : int {
    Done = 0,
    BadArguments = 2,
    Refused = 3,
    NotLanded = 4,
    NoImage = 5,
    Diverged = 6,
    NotSaved = 7,
    OutputFailed = 8,
};

/// How a run that did not complete ends the tool (Done for a completed one); the line it
/// says on stderr is outcomeMessage's.
ExitStatus exitStatusFor(RunOutcome outcome);

} // namespace hydrolofter
