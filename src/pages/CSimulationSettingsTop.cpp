// The settings page's top row: the precision, the flight model and the flight buttons.
#include "CSimulationSettingsPage.h"

#include "runs/FieldTable.h"
#include "toolkit/Controls.h"
#include "toolkit/PageControls.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <tuple>

namespace hydrolofter {

QGroupBox* CSimulationSettingsPage::makePrecisionBox(QSlider*& slider) {
    const Field& precision = *findField("precision");
    auto* precisionBox = new QGroupBox(qstr(precision.caption), this);
    auto* precisionColumn = new QVBoxLayout(precisionBox);
    auto* label = new QLabel(precisionBox);
    label->setObjectName(QStringLiteral("precisionLabel"));
    label->setAlignment(Qt::AlignHCenter);
    slider = new QSlider(Qt::Horizontal, precisionBox);
    slider->setObjectName(qstr(precision.name));
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    slider->setPageStep(1);
    slider->setRange(kMinPrecision, kMaxPrecision);
    slider->setToolTip(qstr(precision.help));
    slider->setAccessibleName(QString::fromStdString(precision.plainCaption()));
    slider->setAccessibleDescription(slider->toolTip());
    precisionColumn->addWidget(label);
    precisionColumn->addWidget(slider);
    return precisionBox;
}

QVBoxLayout* CSimulationSettingsPage::makeFlightButtons() {
    // A whole flight (every page and these settings) is kept from here; the application
    // connects the buttons.
    auto* flights = new QVBoxLayout;
    for (const auto& [name, caption, help] :
         {std::tuple{"openFlight", "&Open Flight...",
                     "Open a flight file (*.flight.json) into every page: rocket, launch site, "
                     "launch and these settings (Ctrl+O)."},
          std::tuple{"saveFlight", "Sa&ve Flight...",
                     "Save every page and these settings as one flight file (*.flight.json), so "
                     "that the run can be flown again as it is (Ctrl+S)."}}) {
        flights->addWidget(button(name, caption, help, this));
    }
    // The last few files opened or saved; the application fills its menu.
    auto* recent = button("openRecent", "Open R&ecent",
                          "Open one of the last flight, rocket and launch site files you "
                          "opened or saved.",
                          this);
    recent->setMenu(new QMenu(recent));
    flights->addWidget(recent);
    auto* defaults = button("defaults", "De&faults",
                            "Put back the settings the program starts with (a launch analysis "
                            "at 1 millisecond, its height as a graph).",
                            this);
    connect(defaults, &QPushButton::clicked, this, &CSimulationSettingsPage::resetToDefaults);
    flights->addWidget(defaults);
    flights->addStretch(1);
    return flights;
}

QGroupBox* CSimulationSettingsPage::makeFlightModelBox() {
    const Field& model = *findField("flightModel");
    auto* box = new QGroupBox(qstr(model.box), this);
    auto* column = new QVBoxLayout(box);
    for (QRadioButton* radio : FieldForm::makeOptions(model, box))
        column->addWidget(radio);
    return box;
}

} // namespace hydrolofter
