// Designs as JSON objects, for files that hold them as parts (flights).
#pragma once

#include "Design.h"

#include <nlohmann/json.hpp>

namespace hydrolofter {

/// The design's object, as designText writes it (format and version first).
nlohmann::ordered_json designObject(DesignKind kind, const SimulationInputs& inputs);

/// Reads a design's object that was parsed as part of a larger file; fileName names that
/// part in messages ("f.flight.json: rocket").
DesignRead parseDesignObject(DesignKind kind, const nlohmann::json& object,
                             const std::string& fileName);

} // namespace hydrolofter
