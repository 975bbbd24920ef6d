// The rocket page's template, defaults and parachute enabling rules.
#include "CRocketSpecsPage.h"

#include "toolkit/Controls.h"
#include "toolkit/DataExchange.h"

#include <QCheckBox>
#include <QRadioButton>
#include <array>

namespace hydrolofter {
namespace {

using enum CRocketSpecsPage::Control;

using K = ControlKind;

constexpr std::array kControls{
    ControlSpec{0, K::GroupBox, "Rocket", 4, 4, 136, 112},
    ControlSpec{0, K::Label, "&Diameter:", 8, 20, 35, 10},
    ControlSpec{DiameterEdit, K::Edit, nullptr, 68, 16, 32, 12},
    ControlSpec{DiameterUnit, K::ComboBox, nullptr, 104, 16, 32, 55},
    ControlSpec{0, K::Label, "Bottle Volume:", 8, 36, 48, 10},
    ControlSpec{BottleVolumeEdit, K::Edit, nullptr, 68, 32, 32, 12},
    ControlSpec{BottleVolumeUnit, K::ComboBox, nullptr, 104, 32, 32, 64},
    ControlSpec{0, K::Label, "Drag Coefficient:", 8, 52, 56, 8},
    ControlSpec{DragCoefficientEdit, K::Edit, nullptr, 68, 48, 32, 12},
    ControlSpec{0, K::Label, "Cd", 104, 52, 24, 8},
    ControlSpec{0, K::Label, "(Typical Drag Coefficients range from 0.1 to 0.5)", 16, 64, 120, 16},
    ControlSpec{0, K::Label, "Empty Mass:", 8, 88, 56, 8},
    ControlSpec{EmptyMassEdit, K::Edit, nullptr, 68, 84, 32, 12},
    ControlSpec{EmptyMassUnit, K::ComboBox, nullptr, 104, 84, 32, 56},
    ControlSpec{0, K::Label, "Stability:", 8, 104, 40, 8, Disabled},
    ControlSpec{StabilityEdit, K::Edit, nullptr, 68, 100, 32, 12, Disabled},
    ControlSpec{0, K::Label, "Cal.", 104, 104, 24, 8, Disabled},
    ControlSpec{0, K::GroupBox, "Parachute", 152, 4, 176, 112},
    ControlSpec{KamikazeCheck, K::CheckBox, "Kamikaze Rocket", 156, 16, 80, 8},
    ControlSpec{ParachuteCountLabel, K::Label, "Number of Parachutes:", 156, 32, 76, 8},
    ControlSpec{ParachuteCountEdit, K::Edit, nullptr, 232, 28, 32, 12, DigitsOnly},
    ControlSpec{ParachuteCountSpin, K::Spin, nullptr, 264, 28, 12, 12},
    ControlSpec{CircularRadio, K::Radio, "Circular", 156, 52, 40, 8, GroupStart},
    ControlSpec{IrregularRadio, K::Radio, "Irregular", 156, 68, 40, 8},
    ControlSpec{ParachuteDiameterLabel, K::Label, "Diameter:", 204, 52, 36, 8},
    ControlSpec{ParachuteDiameterEdit, K::Edit, nullptr, 252, 48, 32, 12},
    ControlSpec{ParachuteDiameterUnit, K::ComboBox, nullptr, 288, 48, 36, 72},
    ControlSpec{SurfaceAreaLabel, K::Label, "Surface Area:", 204, 68, 44, 8},
    ControlSpec{SurfaceAreaEdit, K::Edit, nullptr, 252, 64, 32, 12},
    ControlSpec{SurfaceAreaUnit, K::ComboBox, nullptr, 288, 64, 36, 80},
    ControlSpec{ParachuteDragLabel, K::Label, "Parachute Drag Coefficient:", 156, 88, 88, 8},
    ControlSpec{ParachuteDragEdit, K::Edit, nullptr, 252, 84, 32, 12},
    ControlSpec{ParachuteDragUnitLabel, K::Label, "Cd", 288, 88, 16, 8},
    ControlSpec{DeployTimeLabel, K::Label, "Parachute Deploy Time:", 156, 104, 80, 8},
    ControlSpec{DeployTimeEdit, K::Edit, nullptr, 252, 100, 32, 12},
    ControlSpec{DeployTimeUnitLabel, K::Label, "sec", 288, 104, 20, 8},
    ControlSpec{0, K::Label, "Rocket Description:", 4, 124, 68, 8},
    ControlSpec{DescriptionEdit, K::Edit, nullptr, 4, 132, 320, 48, MultiLine},
    ControlSpec{0, K::Label, "(Use CTRL+Enter to advance to the next line)", 4, 184, 200, 8},
    ControlSpec{LoadButton, K::PushButton, "&Load...", 356, 4, 48, 12, Disabled},
    ControlSpec{SaveButton, K::PushButton, "&Save...", 356, 20, 48, 12, Disabled},
    ControlSpec{DefaultsButton, K::PushButton, "De&faults", 356, 36, 48, 12, Disabled},
};

constexpr std::array kHelp{
    ControlHelp{DiameterEdit,
                "The outside diameter of the bottle. A 2 L soda bottle is about 110 mm; "
                "it sets the area the air pushes against (drag)."},
    ControlHelp{BottleVolumeEdit, "What the bottle holds when full: 0.5 to 3 L for soda bottles. "
                                  "The water amount in % on the launch page is a share of it."},
    ControlHelp{DragCoefficientEdit, "How easily the rocket slips through the air (Cd): 0.1 for a "
                                     "smooth pointed rocket, 0.5 for a blunt one, 0.3 is typical."},
    ControlHelp{EmptyMassEdit, "The rocket without water: bottle, fins, nose cone and parachute, "
                               "typically 100 to 300 g. Air and water are added by the program."},
    ControlHelp{StabilityEdit,
                "Stability in calibres: shown for your notes, not used by the "
                "simulation (the flight is straight up).",
                "Stability"},
    ControlHelp{KamikazeCheck, "Ticked: the rocket has no parachute and falls freely (a "
                               "\"kamikaze\" rocket). Untick it to describe the parachutes."},
    ControlHelp{ParachuteCountEdit, "How many identical parachutes open; their drag adds up. "
                                    "1 to 4 is usual."},
    ControlHelp{ParachuteCountSpin, "Change the number of parachutes by one.",
                "Number of Parachutes, up or down"},
    ControlHelp{CircularRadio, "A round canopy, described by its diameter."},
    ControlHelp{IrregularRadio, "Any other canopy, described by its surface area."},
    ControlHelp{ParachuteDiameterEdit,
                "The diameter of one round canopy laid flat: 30 to 100 cm "
                "for water rockets.",
                "Parachute diameter"},
    ControlHelp{SurfaceAreaEdit, "The area of one canopy that is not round: 0.05 to 1 m^2.",
                "Parachute surface area"},
    ControlHelp{ParachuteDragEdit, "How much air one canopy catches (Cd): about 0.75 for a flat "
                                   "round canopy, up to 1.5 for a domed one."},
    ControlHelp{DeployTimeEdit, "Seconds the parachutes take to open fully once the rocket starts "
                                "to fall; 0 opens them at once. 0.5 to 2 s is usual."},
    ControlHelp{DescriptionEdit, "Your notes on this rocket; saved with its design file, not used "
                                 "by the simulation."},
    ControlHelp{LoadButton, "Open a rocket design file (*.rocket.json) into this page."},
    ControlHelp{SaveButton, "Save this page's rocket as a design file (*.rocket.json)."},
    ControlHelp{DefaultsButton, "Put back the rocket the program starts with (a 2 L bottle, "
                                "150 g, no parachute)."},
};

constexpr DialogTemplate kTemplate{106, "Rocket Specifications", 408, 194, kControls, kHelp};

using SI = SimulationInputs;
constexpr UnitControl kUnitControls[] = {
    {DiameterUnit, &SI::bottleDiameterUnit},
    {BottleVolumeUnit, &SI::bottleVolumeUnit},
    {EmptyMassUnit, &SI::emptyMassUnit},
    {ParachuteDiameterUnit, &SI::parachuteDiameterUnit},
    {SurfaceAreaUnit, &SI::parachuteSurfaceAreaUnit},
};

/// The parachute controls that only a rocket with parachutes uses, in enabling order.
constexpr int kParachuteControls[] = {
    ParachuteCountEdit,     ParachuteCountLabel,   ParachuteCountSpin,  CircularRadio,
    IrregularRadio,         ParachuteDragEdit,     ParachuteDragLabel,  ParachuteDragUnitLabel,
    DeployTimeEdit,         DeployTimeLabel,       DeployTimeUnitLabel, ParachuteDiameterEdit,
    ParachuteDiameterLabel, ParachuteDiameterUnit, SurfaceAreaEdit,     SurfaceAreaLabel};

} // namespace

CRocketSpecsPage::CRocketSpecsPage(QWidget* parent)
    : InputPage(kTemplate, FieldGroup::Rocket, kUnitControls, parent) {
    control<SpinButton>(ParachuteCountSpin)->setRange(1, 10);
    enableDesigns(DesignKind::Rocket, LoadButton, SaveButton, DefaultsButton);
    connectHandlers();
}

void CRocketSpecsPage::connectHandlers() {
    connect(control<QCheckBox>(KamikazeCheck), &QCheckBox::clicked, this,
            &CRocketSpecsPage::updateParachuteControls);
    connect(control<QRadioButton>(CircularRadio), &QRadioButton::clicked, this,
            &CRocketSpecsPage::updateParachuteControls);
    connect(control<QRadioButton>(IrregularRadio), &QRadioButton::clicked, this,
            &CRocketSpecsPage::updateParachuteControls);
}

void CRocketSpecsPage::exchangeData(DataExchange& dx) {
    SimulationInputs& in = fields();
    dx.number(BottleVolumeEdit, in.bottleVolume);
    dx.text(DescriptionEdit, in.rocketDescription, kMaxDescriptionChars);
    dx.number(DiameterEdit, in.bottleDiameter);
    dx.number(DragCoefficientEdit, in.dragCoefficient);
    dx.number(EmptyMassEdit, in.emptyMass);
    dx.number(StabilityEdit, in.stability);
    dx.number(ParachuteDiameterEdit, in.parachuteDiameter);
    dx.number(DeployTimeEdit, in.parachuteDeployTime);
    dx.radio(CircularRadio, in.parachuteShape);
    dx.number(ParachuteDragEdit, in.parachuteDragCoefficient);
    dx.check(KamikazeCheck, in.kamikaze);
    dx.integer(ParachuteCountEdit, in.parachuteCount);
    dx.number(SurfaceAreaEdit, in.parachuteSurfaceArea);
    exchangeUnits(dx);
}

void CRocketSpecsPage::updateParachuteControls() {
    const bool committed = updateData(true);
    if (!committed) {
        // A refused number stopped the commit before these two; the enabling still follows
        // what the user clicked, and the refused text stays for the user to correct.
        fields().kamikaze = control<QCheckBox>(KamikazeCheck)->isChecked() ? 1 : 0;
        fields().parachuteShape = control<QRadioButton>(CircularRadio)->isChecked() ? 0 : 1;
    }
    const bool parachutes = fields().kamikaze == 0;
    for (int id : kParachuteControls)
        enableControl(id, parachutes);
    for (int id : {ParachuteDiameterEdit, ParachuteDiameterLabel, ParachuteDiameterUnit})
        enableControl(id, fields().parachuteShape == 0 && parachutes);
    for (int id : {SurfaceAreaEdit, SurfaceAreaLabel, SurfaceAreaUnit})
        enableControl(id, fields().parachuteShape != 0 && parachutes);
    if (committed)
        updateData(false);
}

} // namespace hydrolofter
