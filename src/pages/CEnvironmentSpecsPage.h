// The "Launch Pad / Environment Specifications" page: launch rod and surrounding air.
#pragma once

#include "InputPage.h"

namespace hydrolofter {

class CEnvironmentSpecsPage : public InputPage {
    Q_OBJECT
public:
    explicit CEnvironmentSpecsPage(QWidget* parent = nullptr);

protected:
    void exchangeData(DataExchange& dx) override;
};

} // namespace hydrolofter
