// The unit drop-downs of an input page, bound to the unit fields of the inputs they show.
#pragma once

#include "runs/FieldTable.h"

#include <span>

namespace hydrolofter {

class DataExchange;
class PropertyPage;

struct UnitControl {
    int id;         ///< the drop-down
    InputInt field; ///< the unit index it shows
};

/// Fills each drop-down with the unit list the field table gives for its field.
void fillUnitControls(PropertyPage& page, std::span<const UnitControl> controls);
/// Moves the selections to or from the fields.
void exchangeUnitControls(DataExchange& dx, std::span<const UnitControl> controls,
                          SimulationInputs& inputs);

} // namespace hydrolofter
