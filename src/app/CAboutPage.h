// The "About" page: the title picture and, under it, the licence.
#pragma once

#include "toolkit/PropertyPage.h"

namespace hydrolofter {

class CAboutPage : public PropertyPage {
    Q_OBJECT
public:
    explicit CAboutPage(QWidget* parent = nullptr);
};

} // namespace hydrolofter
