// The "Launch Specifications" page: water, air and the rocket's state at launch.
#pragma once

#include "InputPage.h"

namespace hydrolofter {

class CLaunchSpecsPage : public InputPage {
    Q_OBJECT
public:
    explicit CLaunchSpecsPage(QWidget* parent = nullptr);

protected:
    void exchangeData(DataExchange& dx) override;
};

} // namespace hydrolofter
