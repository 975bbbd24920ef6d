// The rocket page: its fields come from the table; here, its buttons and the parachute rule.
#include "CRocketSpecsPage.h"

#include "toolkit/Controls.h"

#include <QCheckBox>
#include <QRadioButton>

namespace hydrolofter {
namespace {

constexpr DesignButtons kDesigns{
    DesignKind::Rocket, "De&faults", "Open a rocket design file (*.rocket.json) into this page.",
    "Save this page's rocket as a design file (*.rocket.json).",
    "Put back the rocket the program starts with (a 2 L bottle, 150 g, no parachute)."};

/// The rows that only a rocket with parachutes uses.
constexpr std::string_view kParachuteFields[] = {"parachuteCount", "parachuteShape",
                                                 "parachuteDragCoefficient", "parachuteDeployTime"};

} // namespace

CRocketSpecsPage::CRocketSpecsPage(QWidget* parent)
    : InputPage(QStringLiteral("Rocket Specifications"), FieldGroup::Rocket,
                FieldForm::Boxes::SideBySide, kDesigns, parent) {
    control<SpinButton>("parachuteCountArrows")->setRange(1, 10);
    for (std::string_view name : {"kamikaze", "parachuteShape=0", "parachuteShape=1"})
        connect(control<QAbstractButton>(name), &QAbstractButton::clicked, this,
                &CRocketSpecsPage::updateParachuteControls);
}

void CRocketSpecsPage::updateParachuteControls() {
    // Read from the controls, not the record: the rule follows what the user clicked even
    // while a refused number waits to be corrected.
    const bool parachutes = !control<QCheckBox>("kamikaze")->isChecked();
    const bool circular = control<QRadioButton>("parachuteShape=0")->isChecked();
    for (std::string_view name : kParachuteFields)
        form().enableField(name, parachutes);
    form().enableField("parachuteDiameter", parachutes && circular);
    form().enableField("parachuteSurfaceArea", parachutes && !circular);
}

} // namespace hydrolofter
