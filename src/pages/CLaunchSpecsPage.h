// The "Launch Specifications" page: water, air and the rocket's state at launch.
#pragma once

#include "InputPage.h"

namespace hydrolofter {

class CLaunchSpecsPage : public InputPage {
    Q_OBJECT
public:
    /// The page's controls by their template ids.
    enum Control : int {
        WaterAmountEdit = 1003,
        PressureEdit = 1022,
        HeightEdit = 1023,
        VelocityEdit = 1024,
        WaterAmountUnit = 1026,
        PressureUnit = 1027,
        HeightUnit = 1028,
        VelocityUnit = 1029,
        AirTemperatureEdit = 1069,
        AirTemperatureUnit = 1070,
        WaterDensityEdit = 1103,
        WaterDensityUnit = 1104,
    };

    explicit CLaunchSpecsPage(QWidget* parent = nullptr);

protected:
    void exchangeData(DataExchange& dx) override;
};

} // namespace hydrolofter
