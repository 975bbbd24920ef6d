// Rocket and launch-site design files: JSON text, read strictly, written without loss.
#pragma once

#include "FileAccess.h"
#include "runs/SimulationInputs.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hydrolofter {

/// A rocket holds the fields of the rocket page, a site those of the launch pad and
/// environment page, each with its description; a launch those of the launch page (a part
/// of a flight file).
enum class DesignKind { Rocket, Site, Launch };

/// Files larger than this are refused unread.
inline constexpr std::size_t kMaxDesignBytes = 1 << 20;

struct DesignRead {
    bool ok = false;
    /// On success: what the file holds.
    DesignKind kind = DesignKind::Rocket;
    /// On success: the defaults with every field of the file's kind taken from the file.
    SimulationInputs inputs;
    /// On failure: one sentence naming the file, the field (or line and column) and what is
    /// wrong.
    std::string error;
    /// On success: keys the program does not know, and fields the file lacks (defaults).
    std::vector<std::string> notes;
};

/// The design as file text: format, version, then every field of the kind in the field
/// table's order; a number with a unit as {"value": …, "unit": "name"}. Doubles are written
/// in the shortest form that reads back to the same bits.
std::string designText(DesignKind kind, const SimulationInputs& inputs);

/// Reads design text; fileName is only used in messages. No kind: the file's format says
/// which. Nothing is judged physically here: the input check does that when a run starts.
DesignRead parseDesign(std::optional<DesignKind> kind, std::string_view text,
                       const std::string& fileName);

/// Reads a design file once, whole (at most kMaxDesignBytes), and parses it. regularOnly
/// refuses pipes and devices (which a window must not wait on).
DesignRead readDesignFile(std::optional<DesignKind> kind, const std::string& path,
                          bool regularOnly = false);

/// Empty when text may be a description; else what is wrong ("is not UTF-8 text", too
/// long), for a message after the field's name.
std::string descriptionProblem(std::string_view text);

/// "rocket", "launch site" or "launch", for messages.
std::string_view designName(DesignKind kind);

} // namespace hydrolofter
