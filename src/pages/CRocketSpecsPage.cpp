// The rocket page: its fields come from the table; here, its buttons and where the
// table's parachute rule is applied.
#include "CRocketSpecsPage.h"

#include "runs/FieldTable.h"
#include "toolkit/Controls.h"

#include <QCheckBox>
#include <QRadioButton>

namespace hydrolofter {
namespace {

constexpr DesignButtons kDesigns{
    DesignKind::Rocket, "De&faults", "Open a rocket design file (*.rocket.json) into this page.",
    "Save this page's rocket as a design file (*.rocket.json).",
    "Put back the rocket the program starts with (a 2 L bottle, 150 g, no parachute)."};

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
    SimulationInputs shown;
    shown.kamikaze = control<QCheckBox>("kamikaze")->isChecked() ? 1 : 0;
    shown.parachuteShape = control<QRadioButton>("parachuteShape=0")->isChecked() ? 0 : 1;
    for (const Field& f : fields())
        if (f.group == FieldGroup::Rocket && !f.readOnly) // a read-only row stays as it is
            form().enableField(f.name, fieldEnabled(f, shown, m_settings));
}

} // namespace hydrolofter
