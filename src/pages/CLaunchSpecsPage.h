// The "Launch Specifications" page: water, air and the rocket's state at launch.
#pragma once

#include "runs/SimulationInputs.h"
#include "toolkit/PropertyPage.h"

namespace hydrolofter {

class CLaunchSpecsPage : public PropertyPage {
    Q_OBJECT
public:
    explicit CLaunchSpecsPage(QWidget* parent = nullptr);

    /// Copies the committed values and the unit selections into the inputs.
    void fillInputs(SimulationInputs& inputs) const;

    double airTemperature = 0;
    double initialHeight = 0;
    double initialPressure = 0;
    double initialVelocity = 0;
    double waterAmount = 0;
    double waterDensity = 0;

protected:
    void onInitDialog() override;
    void exchangeData(DataExchange& dx) override;
};

} // namespace hydrolofter
