// The "Launch Pad / Environment Specifications" page: launch rod and surrounding air.
#pragma once

#include "runs/SimulationInputs.h"
#include "toolkit/PropertyPage.h"

#include <string>

namespace hydrolofter {

class CEnvironmentSpecsPage : public PropertyPage {
    Q_OBJECT
public:
    explicit CEnvironmentSpecsPage(QWidget* parent = nullptr);

    /// Copies the committed values and the unit selections into the inputs.
    void fillInputs(SimulationInputs& inputs) const;

    double atmPressure = 0;
    double atmTemperature = 0;
    std::string environmentDescription;
    double launchRodDiameter = 0;
    double launchRodHeight = 0;
    double gravity = 0;
    double updraft = 0;

protected:
    void onInitDialog() override;
    void exchangeData(DataExchange& dx) override;
};

} // namespace hydrolofter
