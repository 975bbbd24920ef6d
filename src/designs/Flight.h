// Flight files: everything a run needs (rocket, launch site, launch, run settings) and a
// description, read strictly and written without loss like the design files.
#pragma once

#include "Design.h"
#include "runs/RunSettings.h"

#include <string>
#include <string_view>
#include <vector>

namespace hydrolofter {

struct FlightRead {
    bool ok = false;
    /// On success: every input and setting, the defaults where the file lacks one.
    SimulationInputs inputs;
    RunSettings settings;
    std::string description;
    /// On failure: one sentence naming the file, the part and field, and what is wrong.
    std::string error;
    /// On success: unknown entries passed over and missing ones left at their defaults.
    std::vector<std::string> notes;
};

/// The flight as file text: format "hydrolofter-flight", version, description, then the
/// rocket, site and launch as the design files' own objects, then the settings (variables
/// and units by name).
std::string flightText(const SimulationInputs& inputs, const RunSettings& settings,
                       const std::string& description);

/// Reads flight text; fileName is only used in messages.
FlightRead parseFlight(std::string_view text, const std::string& fileName);

/// Reads a flight file once, whole (at most kMaxDesignBytes), and parses it. regularOnly
/// refuses pipes and devices.
FlightRead readFlightFile(const std::string& path, bool regularOnly = false);

} // namespace hydrolofter
