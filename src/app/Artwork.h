// The application icon and the About page's title picture, drawn in code.
#pragma once

#include <QImage>

namespace hydrolofter {

/// A bottle rocket, size × size pixels (32 and 16 are the icon's sizes).
QImage drawIcon(int size);

/// The 600 × 300 title picture: a water rocket on its launch stand against a dusk sky,
/// the title, a credit, a contact line and the version.
QImage drawTitlePicture();

} // namespace hydrolofter
