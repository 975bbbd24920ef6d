// The "About" page: the title picture.
#pragma once

#include "toolkit/TemplatePage.h"

#include <QRect>

class QLabel;

namespace hydrolofter {

class CAboutPage : public TemplatePage {
    Q_OBJECT
public:
    explicit CAboutPage(QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* m_pLicence = nullptr;
    QRect m_picture; ///< where the title picture stands
};

} // namespace hydrolofter
