#include "InputPage.h"

namespace hydrolofter {

InputPage::InputPage(const DialogTemplate& dialog, FieldGroup group,
                     std::span<const UnitControl> unitControls, QWidget* parent)
    : PropertyPage(dialog, {}, parent), group_(group), unitControls_(unitControls) {}

void InputPage::onInitDialog() {
    m_inputs = SimulationInputs{};
    fillUnitControls(*this, unitControls_);
    updateData(false);
}

} // namespace hydrolofter
