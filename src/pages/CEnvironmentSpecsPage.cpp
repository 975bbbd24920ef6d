// The environment page's template and defaults.
#include "CEnvironmentSpecsPage.h"

#include "toolkit/ComboListControl.h"
#include "toolkit/DataExchange.h"

#include <QComboBox>
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

constexpr DialogTemplate kTemplate{107, "Launch Pad / Environment Specifications", 408, 194,
                                   kControls};

} // namespace

CEnvironmentSpecsPage::CEnvironmentSpecsPage(QWidget* parent)
    : PropertyPage(kTemplate, {}, parent) {}

void CEnvironmentSpecsPage::onInitDialog() {
    atmPressure = 1;
    fillUnits(1019, UnitFamily::Pressure, unit::atm);
    atmTemperature = 70;
    fillUnits(1018, UnitFamily::Temperature, unit::degF);
    launchRodDiameter = 22;
    fillUnits(1014, UnitFamily::SmallLength, unit::mm);
    launchRodHeight = 15;
    fillUnits(1015, UnitFamily::SmallLength, unit::mm);
    gravity = -9.806;
    fillUnits(1102, UnitFamily::Acceleration, unit::mPerSec2);
    updraft = 0;
    fillUnits(1111, UnitFamily::Velocity, 3); // "MPH"
    updateData(false);
}

void CEnvironmentSpecsPage::exchangeData(DataExchange& dx) {
    dx.number(1017, atmPressure);
    dx.number(1016, atmTemperature);
    dx.text(1078, environmentDescription);
    dx.number(1003, launchRodDiameter);
    dx.number(1013, launchRodHeight);
    dx.number(1101, gravity);
    dx.number(1110, updraft);
}

void CEnvironmentSpecsPage::fillInputs(SimulationInputs& in) const {
    in.launchRodDiameter = launchRodDiameter;
    in.launchRodDiameterUnit = control<QComboBox>(1014)->currentIndex();
    in.launchRodHeight = launchRodHeight;
    in.launchRodHeightUnit = control<QComboBox>(1015)->currentIndex();
    in.atmPressure = atmPressure;
    in.atmPressureUnit = control<QComboBox>(1019)->currentIndex();
    in.atmTemperature = atmTemperature;
    in.atmTemperatureUnit = control<QComboBox>(1018)->currentIndex();
    in.gravity = gravity;
    in.gravityUnit = control<QComboBox>(1102)->currentIndex();
    in.updraft = updraft;
    in.updraftUnit = control<QComboBox>(1111)->currentIndex();
    in.environmentDescription = environmentDescription;
}

} // namespace hydrolofter
