#include "CAboutPage.h"

#include "Artwork.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPixmap>

namespace hydrolofter {

CAboutPage::CAboutPage(QWidget* parent) : PropertyPage(QStringLiteral("About"), parent) {
    auto* layout = new QVBoxLayout(this);
    // The picture keeps its 600 × 300 pixels at the top-left.
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picture"));
    const QImage title = drawTitlePicture();
    picture->setPixmap(QPixmap::fromImage(title));
    picture->setAccessibleName(QStringLiteral("Hydrolofter"));
    auto* licence = new QLabel(
        QStringLiteral("Hydrolofter is free software: you can redistribute it and/or modify it "
                       "under the terms of the GNU General Public License as published by the "
                       "Free Software Foundation, either version 3 of the License, or (at your "
                       "option) any later version. It comes with ABSOLUTELY NO WARRANTY."),
        this);
    licence->setObjectName(QStringLiteral("licence"));
    licence->setWordWrap(true);
    licence->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // As wide as the picture, so that it never widens the sheet.
    licence->setFixedSize(title.width(), licence->heightForWidth(title.width()));
    layout->addWidget(picture, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(licence, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addStretch(1);
}

} // namespace hydrolofter
