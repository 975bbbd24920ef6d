// The "Rocket Specifications" page: bottle, mass, drag and parachutes.
#pragma once

#include "InputPage.h"

namespace hydrolofter {

class CRocketSpecsPage : public InputPage {
    Q_OBJECT
public:
    explicit CRocketSpecsPage(QWidget* parent = nullptr);

    /// Enables the parachute controls that the kamikaze choice and the shape allow.
    void updateParachuteControls();

protected:
    void afterValuesReplaced() override { updateParachuteControls(); }
};

} // namespace hydrolofter
