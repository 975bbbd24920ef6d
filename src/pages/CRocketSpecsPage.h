// The "Rocket Specifications" page: bottle, mass, drag and parachutes.
#pragma once

#include "InputPage.h"

namespace hydrolofter {

class CRocketSpecsPage : public InputPage {
    Q_OBJECT
public:
    /// The page's controls by their template ids.
    enum Control : int {
        DiameterEdit = 1003,
        SaveButton = 1004,
        DiameterUnit = 1005,
        BottleVolumeEdit = 1006,
        BottleVolumeUnit = 1007,
        DragCoefficientEdit = 1008,
        LoadButton = 1009,
        DefaultsButton = 1010,
        EmptyMassEdit = 1011,
        EmptyMassUnit = 1012,
        DescriptionEdit = 1031,
        StabilityEdit = 1077,
        KamikazeCheck = 1083,
        ParachuteCountEdit = 1084,
        ParachuteCountSpin = 1085,
        CircularRadio = 1086,
        IrregularRadio = 1087,
        ParachuteDiameterEdit = 1088,
        ParachuteDiameterUnit = 1089,
        SurfaceAreaEdit = 1090,
        SurfaceAreaUnit = 1091,
        ParachuteDiameterLabel = 1092,
        SurfaceAreaLabel = 1093,
        ParachuteCountLabel = 1094,
        ParachuteDragEdit = 1095,
        DeployTimeEdit = 1096,
        ParachuteDragLabel = 1097,
        ParachuteDragUnitLabel = 1098,
        DeployTimeLabel = 1099,
        DeployTimeUnitLabel = 1100,
    };

    explicit CRocketSpecsPage(QWidget* parent = nullptr);

    /// Enables the parachute controls that the kamikaze choice and the shape allow.
    void updateParachuteControls();

protected:
    void exchangeData(DataExchange& dx) override;
    void afterValuesReplaced() override { updateParachuteControls(); }

private:
    void connectHandlers();
};

} // namespace hydrolofter
