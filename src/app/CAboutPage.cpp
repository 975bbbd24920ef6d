#include "CAboutPage.h"

#include "Artwork.h"

#include <QLabel>
#include <QPixmap>
#include <array>

namespace hydrolofter {
namespace {

constexpr std::array kControls{
    ControlSpec{1, ControlKind::Picture, nullptr, 4, 4, 400, 188},
};

constexpr DialogTemplate kTemplate{111, "About", 408, 194, kControls};

} // namespace

CAboutPage::CAboutPage(QWidget* parent) : TemplatePage(kTemplate, {}, parent) {
    // The picture keeps its 600 × 300 pixels at the top-left, whatever the dialog units.
    auto* picture = control<QLabel>(1);
    const QImage title = drawTitlePicture();
    picture->setPixmap(QPixmap::fromImage(title));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->resize(title.size());
    // The licence: placed by resizeEvent, beside the picture where the page is wide enough.
    auto* licence = new QLabel(
        QStringLiteral("Hydrolofter is free software: you can redistribute it and/or modify it "
                       "under the terms of the GNU General Public License as published by the "
                       "Free Software Foundation, either version 3 of the License, or (at your "
                       "option) any later version. It comes with ABSOLUTELY NO WARRANTY."),
        this);
    licence->setObjectName(QStringLiteral("licence"));
    licence->setWordWrap(true);
    licence->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pLicence = licence;
    m_picture = picture->geometry();
}

void CAboutPage::resizeEvent(QResizeEvent* event) {
    TemplatePage::resizeEvent(event);
    // The sheet gives every page the size of the largest; the licence takes the room beside
    // the picture, or goes under it on a page too narrow, so that it never widens the sheet.
    const int beside = width() - m_picture.right() - 20;
    if (beside >= 160) {
        m_pLicence->setGeometry(m_picture.right() + 12, m_picture.top(), beside,
                                m_pLicence->heightForWidth(beside));
    } else {
        m_pLicence->setGeometry(m_picture.left(), m_picture.bottom() + 8, m_picture.width(),
                                m_pLicence->heightForWidth(m_picture.width()));
    }
}

} // namespace hydrolofter
