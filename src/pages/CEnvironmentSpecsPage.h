// The "Launch Pad / Environment Specifications" page: launch rod and surrounding air.
#pragma once

#include "runs/SimulationInputs.h"
#include "toolkit/PropertyPage.h"

namespace hydrolofter {

class CEnvironmentSpecsPage : public PropertyPage {
    Q_OBJECT
public:
    explicit CEnvironmentSpecsPage(QWidget* parent = nullptr);

    /// Copies the committed values and the unit selections into the inputs.
    void fillInputs(SimulationInputs& inputs) const;

    /// The page's fields as last committed (the environment's part of the record).
    const SimulationInputs& inputs() const { return m_inputs; }

protected:
    void onInitDialog() override;
    void exchangeData(DataExchange& dx) override;

private:
    SimulationInputs m_inputs;
};

} // namespace hydrolofter
