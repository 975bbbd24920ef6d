// The "Launch Pad / Environment Specifications" page: launch rod and surrounding air.
#pragma once

#include "InputPage.h"

namespace hydrolofter {

class CEnvironmentSpecsPage : public InputPage {
    Q_OBJECT
public:
    /// The page's controls by their template ids.
    enum Control : int {
        RodDiameterEdit = 1003,
        LoadButton = 1004,
        RodHeightEdit = 1013,
        RodDiameterUnit = 1014,
        RodHeightUnit = 1015,
        AtmTemperatureEdit = 1016,
        AtmPressureEdit = 1017,
        AtmTemperatureUnit = 1018,
        AtmPressureUnit = 1019,
        SaveButton = 1020,
        DefaultsButton = 1021,
        DescriptionEdit = 1078,
        GravityEdit = 1101,
        GravityUnit = 1102,
        UpdraftEdit = 1110,
        UpdraftUnit = 1111,
    };

    explicit CEnvironmentSpecsPage(QWidget* parent = nullptr);

protected:
    void exchangeData(DataExchange& dx) override;
};

} // namespace hydrolofter
