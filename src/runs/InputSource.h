// Where a run started from the window takes its inputs and settings.
#pragma once

#include "RunSettings.h"
#include "SimulationInputs.h"

#include <string>

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
};

} // namespace hydrolofter
