// The "Rocket Specifications" page: bottle, mass, drag and parachutes.
#pragma once

#include "runs/SimulationInputs.h"
#include "toolkit/PropertyPage.h"

namespace hydrolofter {

class CRocketSpecsPage : public PropertyPage {
    Q_OBJECT
public:
    explicit CRocketSpecsPage(QWidget* parent = nullptr);

    /// Copies the committed values and the unit selections into the inputs.
    void fillInputs(SimulationInputs& inputs) const;
    /// Enables the parachute controls that the kamikaze choice and the shape allow.
    void updateParachuteControls();

    /// The page's fields as last committed (the rocket's part of the record).
    const SimulationInputs& inputs() const { return m_inputs; }

protected:
    void onInitDialog() override;
    void exchangeData(DataExchange& dx) override;

private:
    void connectHandlers();

    SimulationInputs m_inputs;
};

} // namespace hydrolofter
