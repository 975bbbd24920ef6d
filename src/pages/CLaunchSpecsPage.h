// The "Launch Specifications" page: water, air and the state at the start.
#pragma once

#include "InputPage.h"

namespace hydrolofter {

class CLaunchSpecsPage : public InputPage {
    Q_OBJECT
public:
    explicit CLaunchSpecsPage(QWidget* parent = nullptr);
};

} // namespace hydrolofter
