// The launch page: every control comes from the field table.
#include "CLaunchSpecsPage.h"

namespace hydrolofter {

CLaunchSpecsPage::CLaunchSpecsPage(QWidget* parent)
    : InputPage(QStringLiteral("Launch Specifications"), FieldGroup::Launch,
                FieldForm::Boxes::Stacked, std::nullopt, parent) {}

} // namespace hydrolofter
