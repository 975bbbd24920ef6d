// The launch page's template and defaults.
#include "CLaunchSpecsPage.h"

#include "toolkit/ComboListControl.h"
#include "toolkit/DataExchange.h"

#include <QComboBox>
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

constexpr DialogTemplate kTemplate{108, "Launch Specifications", 408, 194, kControls};

} // namespace

CLaunchSpecsPage::CLaunchSpecsPage(QWidget* parent) : PropertyPage(kTemplate, {}, parent) {}

void CLaunchSpecsPage::onInitDialog() {
    airTemperature = 60;
    fillUnits(1070, UnitFamily::Temperature, unit::degF);
    initialHeight = 0;
    fillUnits(1028, UnitFamily::LargeLength, unit::m);
    initialPressure = 60;
    fillUnits(1027, UnitFamily::Pressure, unit::psi);
    initialVelocity = 0;
    fillUnits(1029, UnitFamily::Velocity, unit::mPerSec);
    waterAmount = 40;
    ComboListControl water(*control<QComboBox>(1026));
    fillVolumeOrPercentList(water);
    water.setSelection(kPercentUnit);
    waterDensity = 1000;
    fillUnits(1104, UnitFamily::Density, unit::kgPerM3);
    updateData(false);
}

void CLaunchSpecsPage::exchangeData(DataExchange& dx) {
    dx.number(1069, airTemperature);
    dx.number(1023, initialHeight);
    dx.number(1022, initialPressure);
    dx.number(1024, initialVelocity);
    dx.number(1003, waterAmount);
    dx.number(1103, waterDensity);
}

void CLaunchSpecsPage::fillInputs(SimulationInputs& in) const {
    in.waterAmount = waterAmount;
    in.waterAmountUnit = control<QComboBox>(1026)->currentIndex();
    in.initialPressure = initialPressure;
    in.initialPressureUnit = control<QComboBox>(1027)->currentIndex();
    in.airTemperature = airTemperature;
    in.airTemperatureUnit = control<QComboBox>(1070)->currentIndex();
    in.waterDensity = waterDensity;
    in.waterDensityUnit = control<QComboBox>(1104)->currentIndex();
    in.initialHeight = initialHeight;
    in.initialHeightUnit = control<QComboBox>(1028)->currentIndex();
    in.initialVelocity = initialVelocity;
    in.initialVelocityUnit = control<QComboBox>(1029)->currentIndex();
}

} // namespace hydrolofter
