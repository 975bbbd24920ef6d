// Where a run started from the window takes its inputs and settings.
#pragma once

#include "runs/RunSettings.h"
#include "runs/SimulationInputs.h"

#include <string>
#include <string_view>

namespace hydrolofter {

/// Where a run's inputs and settings come from: the other pages, committed.
class InputSource {
public:
    virtual ~InputSource() = default;
    /// Commits the environment, launch, rocket and settings pages, in that order, into
    /// the two records. False when a page refused a value: that page is then shown with
    /// the focus in the offending edit.
    virtual bool commitInputs(SimulationInputs& inputs, RunSettings& settings) = 0;
    /// The file name (without folder) of the rocket design loaded or saved, if any.
    virtual std::string rocketFileName() const { return {}; }
    /// Likewise the flight file opened or saved last.
    virtual std::string flightFileName() const { return {}; }
    /// Puts a value into the page field swept as input, in the unit the page shows for it
    /// (the page is then changed); false when there is no such field.
    virtual bool putInput(VariableId input, double value) {
        (void)input, (void)value;
        return false;
    }
    /// Shows the page of the named field with the focus in it (after a refusal).
    virtual void showField(std::string_view name) { (void)name; }
};

} // namespace hydrolofter
