#include "UnitControls.h"

#include "toolkit/ComboListControl.h"
#include "toolkit/DataExchange.h"
#include "toolkit/PropertyPage.h"

#include <QComboBox>

namespace hydrolofter {
namespace {

const Field& fieldOf(InputInt member) {
    for (const Field& f : fields()) {
        if (const auto* m = std::get_if<InputInt>(&f.member); m && *m == member)
            return f;
    }
    std::abort(); // every unit control names a unit field of the table
}

} // namespace

void fillUnitControls(PropertyPage& page, std::span<const UnitControl> controls) {
    for (const UnitControl& c : controls) {
        auto* combo = page.control<QComboBox>(c.id);
        const Field& f = fieldOf(c.field);
        if (f.kind == FieldKind::PercentUnit) {
            ComboListControl list(*combo);
            list.reset();
            fillVolumeOrPercentList(list);
        } else {
            fillUnitCombo(*combo, f.family, 0);
        }
    }
}

void exchangeUnitControls(DataExchange& dx, std::span<const UnitControl> controls,
                          SimulationInputs& inputs) {
    for (const UnitControl& c : controls)
        dx.listIndex(c.id, inputs.*c.field);
}

} // namespace hydrolofter
