// The launch page: every control comes from the field table.
#include "CLaunchSpecsPage.h"

namespace hydrolofter {

namespace {

// No design files of its own (a flight file keeps it); Defaults puts the first start's back.
constexpr DesignButtons kDefaults{
    DesignKind::Launch,
    "De&faults",
    nullptr,
    nullptr,
    "Put back the launch the program starts with (40 % water at 60 PSI and 60 deg F, from the "
    "ground at rest).",
    false};

} // namespace

CLaunchSpecsPage::CLaunchSpecsPage(QWidget* parent)
    : InputPage(QStringLiteral("Launch Specifications"), FieldGroup::Launch,
                FieldForm::Boxes::Stacked, kDefaults, parent) {}

} // namespace hydrolofter
