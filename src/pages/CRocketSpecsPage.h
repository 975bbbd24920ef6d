// The "Rocket Specifications" page: bottle, mass, drag and parachutes.
#pragma once

#include "InputPage.h"
#include "runs/RunSettings.h"

namespace hydrolofter {

class CRocketSpecsPage : public InputPage {
    Q_OBJECT
public:
    explicit CRocketSpecsPage(QWidget* parent = nullptr);

    /// Enables the parachute controls that the kamikaze choice and the shape allow, and
    /// the extended model's inputs while it is chosen.
    void updateParachuteControls();
    /// The flight model chosen on the settings page (a FlightModel).
    void setFlightModel(int model) {
        m_settings.flightModel = model;
        updateParachuteControls();
    }

protected:
    void afterValuesReplaced() override { updateParachuteControls(); }

private:
    RunSettings m_settings; ///< only its flight model is read
};

} // namespace hydrolofter
