// The "Rocket Specifications" page: bottle, mass, drag and parachutes.
#pragma once

#include "runs/SimulationInputs.h"
#include "toolkit/PropertyPage.h"

#include <string>

namespace hydrolofter {

class CRocketSpecsPage : public PropertyPage {
    Q_OBJECT
public:
    explicit CRocketSpecsPage(QWidget* parent = nullptr);

    /// Copies the committed values and the unit selections into the inputs.
    void fillInputs(SimulationInputs& inputs) const;
    /// Enables the parachute controls that the kamikaze choice and the shape allow.
    void updateParachuteControls();

    double bottleVolume = 0;
    std::string rocketDescription;
    double bottleDiameter = 0;
    double dragCoefficient = 0;
    double emptyMass = 0;
    double stability = 0;
    double parachuteDiameter = 0;
    double parachuteDeployTime = 0;
    int parachuteShape = -1; ///< 0 "Circular", 1 "Irregular", -1 none
    double parachuteDragCoefficient = 0;
    int kamikaze = 0;
    int parachuteCount = 0;
    double parachuteSurfaceArea = 0;

protected:
    void onInitDialog() override;
    void exchangeData(DataExchange& dx) override;

private:
    void connectHandlers();
};

} // namespace hydrolofter
