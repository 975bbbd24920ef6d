// The environment page's template and defaults.
#include "CEnvironmentSpecsPage.h"

#include "toolkit/DataExchange.h"

#include <array>

namespace hydrolofter {
namespace {

using K = ControlKind;

constexpr std::array kControls{
    ControlSpec{0, K::GroupBox, "Launch Pad", 4, 4, 168, 44},
    ControlSpec{0, K::Label, "Launch Rod Diameter:", 8, 20, 72, 8},
    ControlSpec{1003, K::Edit, nullptr, 96, 16, 32, 12},
    ControlSpec{1014, K::ComboBox, nullptr, 132, 16, 36, 64},
    ControlSpec{0, K::Label, "Launch Rod Height:", 8, 36, 68, 8},
    ControlSpec{1013, K::Edit, nullptr, 96, 32, 32, 12},
    ControlSpec{1015, K::ComboBox, nullptr, 132, 32, 36, 76},
    ControlSpec{0, K::GroupBox, "Environment", 4, 56, 344, 48},
    ControlSpec{0, K::Label, "Atmospheric Pressure:", 8, 72, 84, 8},
    ControlSpec{1017, K::Edit, nullptr, 96, 68, 32, 12},
    ControlSpec{1019, K::ComboBox, nullptr, 132, 68, 36, 68},
    ControlSpec{0, K::Label, "Atmospheric Temperature:", 8, 88, 84, 8},
    ControlSpec{1016, K::Edit, nullptr, 96, 84, 32, 12},
    ControlSpec{1018, K::ComboBox, nullptr, 132, 84, 36, 60},
    ControlSpec{0, K::Label, "Gravity Constant:", 188, 72, 60, 8},
    ControlSpec{1101, K::Edit, nullptr, 256, 68, 32, 12},
    ControlSpec{1102, K::ComboBox, nullptr, 292, 68, 44, 64},
    ControlSpec{0, K::Label, "Updraft:", 188, 89, 56, 8},
    ControlSpec{1110, K::Edit, nullptr, 256, 84, 32, 12},
    ControlSpec{1111, K::ComboBox, nullptr, 292, 84, 44, 72},
    ControlSpec{0, K::Label, "Environment Description:", 4, 124, 80, 8},
    ControlSpec{1078, K::Edit, nullptr, 4, 132, 320, 48, MultiLine},
    ControlSpec{0, K::Label, "(Use CTRL+Enter to advance to the next line)", 4, 184, 164, 8},
    ControlSpec{1004, K::PushButton, "&Load...", 356, 4, 48, 12, Disabled},
    ControlSpec{1020, K::PushButton, "&Save...", 356, 20, 48, 12, Disabled},
    ControlSpec{1021, K::PushButton, "&Defaults", 356, 36, 48, 12, Disabled},
};

using SI = SimulationInputs;
constexpr UnitControl kUnitControls[] = {
    {1014, &SI::launchRodDiameterUnit}, {1015, &SI::launchRodHeightUnit},
    {1019, &SI::atmPressureUnit},       {1018, &SI::atmTemperatureUnit},
    {1102, &SI::gravityUnit},           {1111, &SI::updraftUnit},
};

constexpr DialogTemplate kTemplate{107, "Launch Pad / Environment Specifications", 408, 194,
                                   kControls};

} // namespace

CEnvironmentSpecsPage::CEnvironmentSpecsPage(QWidget* parent)
    : InputPage(kTemplate, FieldGroup::Environment, kUnitControls, parent) {}

void CEnvironmentSpecsPage::exchangeData(DataExchange& dx) {
    SimulationInputs& in = fields();
    dx.number(1017, in.atmPressure);
    dx.number(1016, in.atmTemperature);
    dx.text(1078, in.environmentDescription);
    dx.number(1003, in.launchRodDiameter);
    dx.number(1013, in.launchRodHeight);
    dx.number(1101, in.gravity);
    dx.number(1110, in.updraft);
    exchangeUnits(dx);
}

} // namespace hydrolofter
