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

CAboutPage::CAboutPage(QWidget* parent) : PropertyPage(kTemplate, {}, parent) {
    // The picture keeps its 600 × 300 pixels at the top-left, whatever the dialog units.
    auto* picture = control<QLabel>(1);
    const QImage title = drawTitlePicture();
    picture->setPixmap(QPixmap::fromImage(title));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->resize(title.size());
    // The licence, beside the picture (the pages are wider than it; the sheet sizes them all
    // alike), so that the page needs no more height.
    auto* licence = new QLabel(
        QStringLiteral("Hydrolofter is free software: you can redistribute it and/or modify it "
                       "under the terms of the GNU General Public License as published by the "
                       "Free Software Foundation, either version 3 of the License, or (at your "
                       "option) any later version. It comes with ABSOLUTELY NO WARRANTY."),
        this);
    licence->setObjectName(QStringLiteral("licence"));
    licence->setWordWrap(true);
    licence->setTextInteractionFlags(Qt::TextSelectableByMouse);
    constexpr int kWidth = 230;
    licence->setGeometry(picture->x() + title.width() + 12, picture->y(), kWidth,
                         licence->heightForWidth(kWidth));
    setMinimumWidth(licence->geometry().right() + 8);
}

} // namespace hydrolofter
