// A page that holds one group of the inputs: the rocket, the environment or the launch.
#pragma once

#include "UnitControls.h"
#include "runs/FieldTable.h"
#include "toolkit/PropertyPage.h"

#include <span>

namespace hydrolofter {

/// Starts from the defaults of SimulationInputs, exchanges its group's fields with its
/// controls, and copies that group into a record when a run starts.
class InputPage : public PropertyPage {
    Q_OBJECT
public:
    InputPage(const DialogTemplate& dialog, FieldGroup group,
              std::span<const UnitControl> unitControls, QWidget* parent);

    /// Copies the committed values and the unit selections into the inputs.
    void fillInputs(SimulationInputs& inputs) const { copyGroup(group_, m_inputs, inputs); }
    /// The page's fields as last committed (its group's part of the record).
    const SimulationInputs& inputs() const { return m_inputs; }

protected:
    /// Puts the defaults in place and shows them.
    void onInitDialog() override;
    /// The fields the page's exchangeData moves; exchangeUnits moves the unit selections.
    SimulationInputs& fields() { return m_inputs; }
    void exchangeUnits(DataExchange& dx) { exchangeUnitControls(dx, unitControls_, m_inputs); }

private:
    FieldGroup group_;
    std::span<const UnitControl> unitControls_;
    SimulationInputs m_inputs;
};

} // namespace hydrolofter
