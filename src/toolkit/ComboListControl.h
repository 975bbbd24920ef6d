// The core's drop-down interface over a non-editable QComboBox.
#pragma once

#include "units/ListControl.h"
#include "units/Units.h"

class QComboBox;

namespace hydrolofter {

class ComboListControl final : public ListControl {
public:
    explicit ComboListControl(QComboBox& combo) : m_combo(combo) {}
    void addString(const std::string& text) override;
    void reset() override;
    void setSelection(int index) override;
    int selection() const override;
    int count() const override;

private:
    QComboBox& m_combo;
};

/// Fills a unit drop-down with a family's units and selects one.
void fillUnitCombo(QComboBox& combo, UnitFamily family, int selected);

} // namespace hydrolofter
