// The "Launch Pad / Environment Specifications" page.
#pragma once

#include "InputPage.h"

namespace hydrolofter {

class CEnvironmentSpecsPage : public InputPage {
    Q_OBJECT
public:
    explicit CEnvironmentSpecsPage(QWidget* parent = nullptr);
};

} // namespace hydrolofter
