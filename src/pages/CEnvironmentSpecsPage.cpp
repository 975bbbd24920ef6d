// The environment page's template and defaults.
#include "CEnvironmentSpecsPage.h"

#include "toolkit/DataExchange.h"

#include <array>

namespace hydrolofter {
namespace {

using enum CEnvironmentSpecsPage::Control;

using K = ControlKind;

constexpr std::array kControls{
    ControlSpec{0, K::GroupBox, "Launch Pad", 4, 4, 168, 44},
    ControlSpec{0, K::Label, "Launch Rod Diameter:", 8, 20, 72, 8},
    ControlSpec{RodDiameterEdit, K::Edit, nullptr, 96, 16, 32, 12},
    ControlSpec{RodDiameterUnit, K::ComboBox, nullptr, 132, 16, 36, 64},
    ControlSpec{0, K::Label, "Launch Rod Height:", 8, 36, 68, 8},
    ControlSpec{RodHeightEdit, K::Edit, nullptr, 96, 32, 32, 12},
    ControlSpec{RodHeightUnit, K::ComboBox, nullptr, 132, 32, 36, 76},
    ControlSpec{0, K::GroupBox, "Environment", 4, 56, 344, 48},
    ControlSpec{0, K::Label, "Atmospheric Pressure:", 8, 72, 84, 8},
    ControlSpec{AtmPressureEdit, K::Edit, nullptr, 96, 68, 32, 12},
    ControlSpec{AtmPressureUnit, K::ComboBox, nullptr, 132, 68, 36, 68},
    ControlSpec{0, K::Label, "Atmospheric Temperature:", 8, 88, 84, 8},
    ControlSpec{AtmTemperatureEdit, K::Edit, nullptr, 96, 84, 32, 12},
    ControlSpec{AtmTemperatureUnit, K::ComboBox, nullptr, 132, 84, 36, 60},
    ControlSpec{0, K::Label, "Gravity Constant:", 188, 72, 60, 8},
    ControlSpec{GravityEdit, K::Edit, nullptr, 256, 68, 32, 12},
    ControlSpec{GravityUnit, K::ComboBox, nullptr, 292, 68, 44, 64},
    ControlSpec{0, K::Label, "Updraft:", 188, 89, 56, 8},
    ControlSpec{UpdraftEdit, K::Edit, nullptr, 256, 84, 32, 12},
    ControlSpec{UpdraftUnit, K::ComboBox, nullptr, 292, 84, 44, 72},
    ControlSpec{0, K::Label, "Environment Description:", 4, 124, 80, 8},
    ControlSpec{DescriptionEdit, K::Edit, nullptr, 4, 132, 320, 48, MultiLine},
    ControlSpec{0, K::Label, "(Use CTRL+Enter to advance to the next line)", 4, 184, 164, 8},
    ControlSpec{LoadButton, K::PushButton, "&Load...", 356, 4, 48, 12, Disabled},
    ControlSpec{SaveButton, K::PushButton, "&Save...", 356, 20, 48, 12, Disabled},
    ControlSpec{DefaultsButton, K::PushButton, "&Defaults", 356, 36, 48, 12, Disabled},
};

using SI = SimulationInputs;
constexpr UnitControl kUnitControls[] = {
    {RodDiameterUnit, &SI::launchRodDiameterUnit},
    {RodHeightUnit, &SI::launchRodHeightUnit},
    {AtmPressureUnit, &SI::atmPressureUnit},
    {AtmTemperatureUnit, &SI::atmTemperatureUnit},
    {GravityUnit, &SI::gravityUnit},
    {UpdraftUnit, &SI::updraftUnit},
};

constexpr std::array kHelp{
    ControlHelp{RodDiameterEdit, "The launch rod's diameter. The rod also stands for the nozzle: "
                                 "its diameter is the nozzle bore the water leaves through "
                                 "(22 mm for a standard soda-bottle neck, 9 mm for a Gardena "
                                 "type launcher)."},
    ControlHelp{RodHeightEdit, "How far the rod reaches into the bottle. While on the rod the "
                               "rocket is pushed by the air on the rod's end and no water "
                               "leaves; 0 to 300 mm."},
    ControlHelp{AtmPressureEdit, "The air pressure around the pad: 1 atm (14.7 PSI, 101.3 kPa) at "
                                 "sea level, about 0.83 atm at 1500 m."},
    ControlHelp{AtmTemperatureEdit, "The temperature of the outside air; it sets the air's "
                                    "density and so the drag. -10 to 40 deg C."},
    ControlHelp{GravityEdit, "The pull of gravity, entered as a negative number because it points "
                             "down: -9.806 m/sec^2 on Earth, -1.62 on the Moon."},
    ControlHelp{UpdraftEdit, "Wind blowing straight up (negative: down). A rocket lighter than "
                             "the updraft can carry never lands; 0 on a calm day."},
    ControlHelp{DescriptionEdit, "Your notes on this launch site; saved with its design file, not "
                                 "used by the simulation."},
    ControlHelp{LoadButton, "Open a launch site design file (*.site.json) into this page."},
    ControlHelp{SaveButton, "Save this page's launch pad and environment as a design file "
                            "(*.site.json)."},
    ControlHelp{DefaultsButton, "Put back the launch site the program starts with (sea level, "
                                "70 deg F, no wind)."},
};

constexpr DialogTemplate kTemplate{
    107, "Launch Pad / Environment Specifications", 408, 194, kControls, kHelp};

} // namespace

CEnvironmentSpecsPage::CEnvironmentSpecsPage(QWidget* parent)
    : InputPage(kTemplate, FieldGroup::Environment, kUnitControls, parent) {
    enableDesigns(DesignKind::Site, LoadButton, SaveButton, DefaultsButton);
}

void CEnvironmentSpecsPage::exchangeData(DataExchange& dx) {
    SimulationInputs& in = fields();
    dx.number(AtmPressureEdit, in.atmPressure);
    dx.number(AtmTemperatureEdit, in.atmTemperature);
    dx.text(DescriptionEdit, in.environmentDescription, kMaxDescriptionChars);
    dx.number(RodDiameterEdit, in.launchRodDiameter);
    dx.number(RodHeightEdit, in.launchRodHeight);
    dx.number(GravityEdit, in.gravity);
    dx.number(UpdraftEdit, in.updraft);
    exchangeUnits(dx);
}

} // namespace hydrolofter
