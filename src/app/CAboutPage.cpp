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
}

} // namespace hydrolofter
