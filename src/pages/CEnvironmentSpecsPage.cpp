// The environment page: its fields come from the table; here, its buttons.
#include "CEnvironmentSpecsPage.h"

namespace hydrolofter {
namespace {

constexpr DesignButtons kDesigns{
    DesignKind::Site, "&Defaults", "Open a launch site design file (*.site.json) into this page.",
    "Save this page's launch pad and environment as a design file (*.site.json).",
    "Put back the launch site the program starts with (sea level, 70 deg F, no wind)."};

} // namespace

CEnvironmentSpecsPage::CEnvironmentSpecsPage(QWidget* parent)
    : InputPage(QStringLiteral("Launch Pad / Environment Specifications"), FieldGroup::Environment,
                FieldForm::Boxes::Stacked, kDesigns, parent) {}

} // namespace hydrolofter
