// The launch page's template and defaults.
#include "CLaunchSpecsPage.h"

#include "toolkit/DataExchange.h"

#include <array>

namespace hydrolofter {
namespace {

using K = ControlKind;

constexpr std::array kControls{
    ControlSpec{0, K::GroupBox, "Launch Parameters", 4, 4, 144, 76},
    ControlSpec{0, K::Label, "Water Volume:", 8, 20, 48, 8},
    ControlSpec{1003, K::Edit, nullptr, 64, 16, 32, 12},
    ControlSpec{1026, K::ComboBox, nullptr, 100, 16, 44, 60},
    ControlSpec{0, K::Label, "Initial Pressure:", 8, 36, 48, 8},
    ControlSpec{1022, K::Edit, nullptr, 64, 32, 32, 12},
    ControlSpec{1027, K::ComboBox, nullptr, 100, 32, 44, 60},
    ControlSpec{0, K::Label, "Air Temperature:", 8, 52, 52, 8},
    ControlSpec{1069, K::Edit, nullptr, 64, 48, 32, 12},
    ControlSpec{1070, K::ComboBox, nullptr, 100, 48, 44, 48},
    ControlSpec{0, K::Label, "Water Density:", 8, 68, 52, 8},
    ControlSpec{1103, K::Edit, nullptr, 64, 64, 32, 12},
    ControlSpec{1104, K::ComboBox, nullptr, 100, 64, 44, 72},
    ControlSpec{0, K::GroupBox, "Initial State", 4, 88, 144, 44},
    ControlSpec{0, K::Label, "Height:", 8, 104, 32, 8},
    ControlSpec{1023, K::Edit, nullptr, 64, 100, 32, 12},
    ControlSpec{1028, K::ComboBox, nullptr, 100, 101, 44, 64},
    ControlSpec{0, K::Label, "Velocity:", 8, 120, 32, 8},
    ControlSpec{1024, K::Edit, nullptr, 64, 116, 32, 12},
    ControlSpec{1029, K::ComboBox, nullptr, 100, 117, 44, 64},
};

using SI = SimulationInputs;
constexpr UnitControl kUnitControls[] = {
    {1026, &SI::waterAmountUnit},    {1027, &SI::initialPressureUnit},
    {1070, &SI::airTemperatureUnit}, {1104, &SI::waterDensityUnit},
    {1028, &SI::initialHeightUnit},  {1029, &SI::initialVelocityUnit},
};

constexpr DialogTemplate kTemplate{108, "Launch Specifications", 408, 194, kControls};

} // namespace

CLaunchSpecsPage::CLaunchSpecsPage(QWidget* parent)
    : InputPage(kTemplate, FieldGroup::Launch, kUnitControls, parent) {}

void CLaunchSpecsPage::exchangeData(DataExchange& dx) {
    SimulationInputs& in = fields();
    dx.number(1069, in.airTemperature);
    dx.number(1023, in.initialHeight);
    dx.number(1022, in.initialPressure);
    dx.number(1024, in.initialVelocity);
    dx.number(1003, in.waterAmount);
    dx.number(1103, in.waterDensity);
    exchangeUnits(dx);
}

} // namespace hydrolofter
