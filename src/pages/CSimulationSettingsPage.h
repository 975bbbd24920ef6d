// The "Simulation Settings" page: precision, mode, display choices, variables and ranges.
#pragma once

#include "runs/RunSettings.h"
#include "toolkit/PropertyPage.h"

namespace hydrolofter {

class CSimulationSettingsPage : public PropertyPage {
    Q_OBJECT
public:
    explicit CSimulationSettingsPage(QWidget* parent = nullptr);

    /// The settings as last committed (every exchange reads the drop-downs too).
    const RunSettings& runSettings() const { return m_settings; }
    QString precisionLabel() const { return m_precisionLabel; }

protected:
    void onInitDialog() override;
    void exchangeData(DataExchange& dx) override;

private:
    void connectHandlers();
    void applyEnablingRule();
    void updatePrecisionLabel();
    void refillUnits(int variableId);

    RunSettings m_settings;
    QString m_precisionLabel;
};

} // namespace hydrolofter
