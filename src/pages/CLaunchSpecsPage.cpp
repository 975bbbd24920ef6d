// The launch page's template and defaults.
#include "CLaunchSpecsPage.h"

#include "toolkit/DataExchange.h"

#include <array>

namespace hydrolofter {
namespace {

using enum CLaunchSpecsPage::Control;

using K = ControlKind;

constexpr std::array kControls{
    ControlSpec{0, K::GroupBox, "Launch Parameters", 4, 4, 144, 76},
    ControlSpec{0, K::Label, "Water Volume:", 8, 20, 48, 8},
    ControlSpec{WaterAmountEdit, K::Edit, nullptr, 64, 16, 32, 12},
    ControlSpec{WaterAmountUnit, K::ComboBox, nullptr, 100, 16, 44, 60},
    ControlSpec{0, K::Label, "Initial Pressure:", 8, 36, 48, 8},
    ControlSpec{PressureEdit, K::Edit, nullptr, 64, 32, 32, 12},
    ControlSpec{PressureUnit, K::ComboBox, nullptr, 100, 32, 44, 60},
    ControlSpec{0, K::Label, "Air Temperature:", 8, 52, 52, 8},
    ControlSpec{AirTemperatureEdit, K::Edit, nullptr, 64, 48, 32, 12},
    ControlSpec{AirTemperatureUnit, K::ComboBox, nullptr, 100, 48, 44, 48},
    ControlSpec{0, K::Label, "Water Density:", 8, 68, 52, 8},
    ControlSpec{WaterDensityEdit, K::Edit, nullptr, 64, 64, 32, 12},
    ControlSpec{WaterDensityUnit, K::ComboBox, nullptr, 100, 64, 44, 72},
    ControlSpec{0, K::GroupBox, "Initial State", 4, 88, 144, 44},
    ControlSpec{0, K::Label, "Height:", 8, 104, 32, 8},
    ControlSpec{HeightEdit, K::Edit, nullptr, 64, 100, 32, 12},
    ControlSpec{HeightUnit, K::ComboBox, nullptr, 100, 101, 44, 64},
    ControlSpec{0, K::Label, "Velocity:", 8, 120, 32, 8},
    ControlSpec{VelocityEdit, K::Edit, nullptr, 64, 116, 32, 12},
    ControlSpec{VelocityUnit, K::ComboBox, nullptr, 100, 117, 44, 64},
};

using SI = SimulationInputs;
constexpr UnitControl kUnitControls[] = {
    {WaterAmountUnit, &SI::waterAmountUnit},       {PressureUnit, &SI::initialPressureUnit},
    {AirTemperatureUnit, &SI::airTemperatureUnit}, {WaterDensityUnit, &SI::waterDensityUnit},
    {HeightUnit, &SI::initialHeightUnit},          {VelocityUnit, &SI::initialVelocityUnit},
};

constexpr std::array kHelp{
    ControlHelp{WaterAmountEdit,
                "How much water is in the bottle at launch: as % of the bottle "
                "volume (on the rocket page), or as a volume. 30 to 40 % usually "
                "flies highest.",
                "Water Volume"},
    ControlHelp{PressureEdit, "The ABSOLUTE air pressure in the bottle at launch. Pumps and "
                              "gauges show gauge pressure: add the atmospheric pressure (60 PSI "
                              "on the gauge is about 74.7 PSI absolute at sea level). Soda "
                              "bottles: at most about 90 PSI on the gauge."},
    ControlHelp{AirTemperatureEdit, "The temperature of the air in the bottle at launch (it sets "
                                    "the mass of that air); usually the outside temperature."},
    ControlHelp{WaterDensityEdit, "The density of what fills the bottle: 1000 kg/m^3 for water, "
                                  "about 1025 for sea water."},
    ControlHelp{HeightEdit, "The height the flight starts from, above the ground the rocket "
                            "lands on (0 for a launch from the ground)."},
    ControlHelp{VelocityEdit, "The upward speed at the start of the flight; 0 for a rocket "
                              "standing on its pad."},
};

constexpr DialogTemplate kTemplate{108, "Launch Specifications", 408, 194, kControls, kHelp};

} // namespace

CLaunchSpecsPage::CLaunchSpecsPage(QWidget* parent)
    : InputPage(kTemplate, FieldGroup::Launch, kUnitControls, parent) {}

void CLaunchSpecsPage::exchangeData(DataExchange& dx) {
    SimulationInputs& in = fields();
    dx.number(AirTemperatureEdit, in.airTemperature);
    dx.number(HeightEdit, in.initialHeight);
    dx.number(PressureEdit, in.initialPressure);
    dx.number(VelocityEdit, in.initialVelocity);
    dx.number(WaterAmountEdit, in.waterAmount);
    dx.number(WaterDensityEdit, in.waterDensity);
    exchangeUnits(dx);
}

} // namespace hydrolofter
