// The "Simulation Settings" page: precision, mode, display choices, variables and ranges.
#pragma once

#include "FieldForm.h"
#include "runs/RunSettings.h"
#include "toolkit/PropertyPage.h"

#include <string_view>
#include <vector>

class QGridLayout;
class QGroupBox;
class QSlider;
class QVBoxLayout;
class QRadioButton;

namespace hydrolofter {

/// Its controls carry the names of the RunSettings fields they show ("precision",
/// "mode=1", "plotVariable", "xRangeFrom"); their texts come from the field table.
class CSimulationSettingsPage : public PropertyPage {
    Q_OBJECT
public:
    explicit CSimulationSettingsPage(QWidget* parent = nullptr);

    /// The settings as last committed.
    const RunSettings& runSettings() const { return m_settings; }
    QString precisionLabel() const { return m_precisionLabel; }

    /// The settings as the controls show them, told nobody; a range whose text cannot be
    /// read keeps its last committed value.
    /// The settings of the first start back in place, after asking when they differ.
    void resetToDefaults();
    RunSettings shownSettings() const {
        RunSettings s = m_settings;
        readSettings(s, true);
        return s;
    }
    /// Puts the settings in place and shows them (from a flight file).
    void applySettings(const RunSettings& settings);

signals:
    /// The flight model chosen on the page (a FlightModel): the rocket page enables the
    /// extended model's inputs by it.
    void flightModelChosen(int model);

public:
    bool commit() override;
    QString unreadableField() override;

protected:
    void initialiseControls() override;

private:
    /// The precision slider and its label, in their box.
    QGroupBox* makePrecisionBox(QSlider*& slider);
    /// The flight model's choice, in its box.
    QGroupBox* makeFlightModelBox();
    /// A whole flight (every page and these settings) is kept from here: its buttons.
    QVBoxLayout* makeFlightButtons();
    /// The three kinds of run in one table.
    QGridLayout* makeModeTable();
    /// One kind of run's rows of the table, in a frame: its radio button, the display
    /// choice, variables and ranges.
    void addMode(QGridLayout& table, QRadioButton* radio, RunMode mode, std::string_view display,
                 std::initializer_list<std::string_view> variables);
    void addRange(QGridLayout& grid, int row, std::string_view from, std::string_view to,
                  std::vector<QWidget*>& group);
    void showSettings();
    /// Every choice is read; the ranges stop at the first refused one unless told to pass
    /// over it.
    std::optional<Refusal> readSettings(RunSettings& s, bool passOverRefused = false) const;
    void applyEnablingRule();
    void updatePrecisionLabel();
    /// The unit drop-down of a variable drop-down, filled for the variable it shows.
    void refillUnits(const Field& variable);

    RunSettings m_settings;
    QString m_precisionLabel;
    std::vector<QWidget*> m_launchDisplay;   ///< the launch analysis's display choice
    std::vector<QWidget*> m_plot;            ///< the plotted variable
    std::vector<QWidget*> m_modeControls[3]; ///< each mode's own controls (the launch: none)
};

} // namespace hydrolofter
