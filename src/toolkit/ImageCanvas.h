// A Canvas over a QImage: the raster canvas's exact pixels, text through QPainter.
#pragma once

#include "graph/RasterCanvas.h"

#include <QImage>

namespace hydrolofter {

/// Draws into a 32-bit RGB image: lines, rectangles and pixels as RasterCanvas draws them,
/// text with the application's font.
class ImageCanvas final : public RasterCanvas {
public:
    /// image must be Format_RGB32 and stay alive (and unresized) while the canvas is used.
    explicit ImageCanvas(QImage& image);

    void textOut(int x, int y, const std::string& text) override;
    int textWidth(const std::string& text) const override;

private:
    QImage& m_image;
};

} // namespace hydrolofter
