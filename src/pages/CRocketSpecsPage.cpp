// The rocket page's template, defaults and parachute enabling rules.
#include "CRocketSpecsPage.h"

#include "toolkit/Controls.h"
#include "toolkit/DataExchange.h"

#include <QCheckBox>
#include <QRadioButton>
#include <array>

namespace hydrolofter {
namespace {

using K = ControlKind;

constexpr std::array kControls{
    ControlSpec{0, K::GroupBox, "Rocket", 4, 4, 136, 112},
    ControlSpec{0, K::Label, "&Diameter:", 8, 20, 35, 10},
    ControlSpec{1003, K::Edit, nullptr, 68, 16, 32, 12},
    ControlSpec{1005, K::ComboBox, nullptr, 104, 16, 32, 55},
    ControlSpec{0, K::Label, "Bottle Volume:", 8, 36, 48, 10},
    ControlSpec{1006, K::Edit, nullptr, 68, 32, 32, 12},
    ControlSpec{1007, K::ComboBox, nullptr, 104, 32, 32, 64},
    ControlSpec{0, K::Label, "Drag Coefficient:", 8, 52, 56, 8},
    ControlSpec{1008, K::Edit, nullptr, 68, 48, 32, 12},
    ControlSpec{0, K::Label, "Cd", 104, 52, 24, 8},
    ControlSpec{0, K::Label, "(Typical Drag Coefficients range from 0.1 to 0.5)", 16, 64, 120, 16},
    ControlSpec{0, K::Label, "Empty Mass:", 8, 88, 56, 8},
    ControlSpec{1011, K::Edit, nullptr, 68, 84, 32, 12},
    ControlSpec{1012, K::ComboBox, nullptr, 104, 84, 32, 56},
    ControlSpec{0, K::Label, "Stability:", 8, 104, 40, 8, Disabled},
    ControlSpec{1077, K::Edit, nullptr, 68, 100, 32, 12, Disabled},
    ControlSpec{0, K::Label, "Cal.", 104, 104, 24, 8, Disabled},
    ControlSpec{0, K::GroupBox, "Parachute", 152, 4, 176, 112},
    ControlSpec{1083, K::CheckBox, "Kamikaze Rocket", 156, 16, 80, 8},
    ControlSpec{1094, K::Label, "Number of Parachutes:", 156, 32, 76, 8},
    ControlSpec{1084, K::Edit, nullptr, 232, 28, 32, 12, DigitsOnly},
    ControlSpec{1085, K::Spin, nullptr, 264, 28, 12, 12},
    ControlSpec{1086, K::Radio, "Circular", 156, 52, 40, 8, GroupStart},
    ControlSpec{1087, K::Radio, "Irregular", 156, 68, 40, 8},
    ControlSpec{1092, K::Label, "Diameter:", 204, 52, 36, 8},
    ControlSpec{1088, K::Edit, nullptr, 252, 48, 32, 12},
    ControlSpec{1089, K::ComboBox, nullptr, 288, 48, 36, 72},
    ControlSpec{1093, K::Label, "Surface Area:", 204, 68, 44, 8},
    ControlSpec{1090, K::Edit, nullptr, 252, 64, 32, 12},
    ControlSpec{1091, K::ComboBox, nullptr, 288, 64, 36, 80},
    ControlSpec{1097, K::Label, "Parachute Drag Coefficient:", 156, 88, 88, 8},
    ControlSpec{1095, K::Edit, nullptr, 252, 84, 32, 12},
    ControlSpec{1098, K::Label, "Cd", 288, 88, 16, 8},
    ControlSpec{1099, K::Label, "Parachute Deploy Time:", 156, 104, 80, 8},
    ControlSpec{1096, K::Edit, nullptr, 252, 100, 32, 12},
    ControlSpec{1100, K::Label, "sec", 288, 104, 20, 8},
    ControlSpec{0, K::Label, "Rocket Description:", 4, 124, 68, 8},
    ControlSpec{1031, K::Edit, nullptr, 4, 132, 320, 48, MultiLine},
    ControlSpec{0, K::Label, "(Use CTRL+Enter to advance to the next line)", 4, 184, 200, 8},
    ControlSpec{1009, K::PushButton, "&Load...", 356, 4, 48, 12, Disabled},
    ControlSpec{1004, K::PushButton, "&Save...", 356, 20, 48, 12, Disabled},
    ControlSpec{1010, K::PushButton, "De&faults", 356, 36, 48, 12, Disabled},
};

constexpr DialogTemplate kTemplate{106, "Rocket Specifications", 408, 194, kControls};

using SI = SimulationInputs;
constexpr UnitControl kUnitControls[] = {
    {1005, &SI::bottleDiameterUnit},
    {1007, &SI::bottleVolumeUnit},
    {1012, &SI::emptyMassUnit},
    {1089, &SI::parachuteDiameterUnit},
    {1091, &SI::parachuteSurfaceAreaUnit},
};

/// The parachute controls that only a rocket with parachutes uses, in enabling order.
constexpr int kParachuteControls[] = {1084, 1094, 1085, 1086, 1087, 1095, 1097, 1098,
                                      1096, 1099, 1100, 1088, 1092, 1089, 1090, 1093};

} // namespace

CRocketSpecsPage::CRocketSpecsPage(QWidget* parent)
    : InputPage(kTemplate, FieldGroup::Rocket, kUnitControls, parent) {
    control<SpinButton>(1085)->setRange(1, 10);
    connectHandlers();
}

void CRocketSpecsPage::connectHandlers() {
    connect(control<QCheckBox>(1083), &QCheckBox::clicked, this,
            &CRocketSpecsPage::updateParachuteControls);
    connect(control<QRadioButton>(1086), &QRadioButton::clicked, this,
            &CRocketSpecsPage::updateParachuteControls);
    connect(control<QRadioButton>(1087), &QRadioButton::clicked, this,
            &CRocketSpecsPage::updateParachuteControls);
}

void CRocketSpecsPage::onInitDialog() {
    InputPage::onInitDialog();
    updateParachuteControls();
}

void CRocketSpecsPage::exchangeData(DataExchange& dx) {
    SimulationInputs& in = fields();
    dx.number(1006, in.bottleVolume);
    dx.text(1031, in.rocketDescription);
    dx.number(1003, in.bottleDiameter);
    dx.number(1008, in.dragCoefficient);
    dx.number(1011, in.emptyMass);
    dx.number(1077, in.stability);
    dx.number(1088, in.parachuteDiameter);
    dx.number(1096, in.parachuteDeployTime);
    dx.radio(1086, in.parachuteShape);
    dx.number(1095, in.parachuteDragCoefficient);
    dx.check(1083, in.kamikaze);
    dx.integer(1084, in.parachuteCount);
    dx.number(1090, in.parachuteSurfaceArea);
    exchangeUnits(dx);
}

void CRocketSpecsPage::updateParachuteControls() {
    const bool committed = updateData(true);
    if (!committed) {
        // A refused number stopped the commit before these two; the enabling still follows
        // what the user clicked, and the refused text stays for the user to correct.
        fields().kamikaze = control<QCheckBox>(1083)->isChecked() ? 1 : 0;
        fields().parachuteShape = control<QRadioButton>(1086)->isChecked() ? 0 : 1;
    }
    const bool parachutes = fields().kamikaze == 0;
    for (int id : kParachuteControls)
        enableControl(id, parachutes);
    for (int id : {1088, 1092, 1089})
        enableControl(id, fields().parachuteShape == 0 && parachutes);
    for (int id : {1090, 1093, 1091})
        enableControl(id, fields().parachuteShape != 0 && parachutes);
    if (committed)
        updateData(false);
}

} // namespace hydrolofter
