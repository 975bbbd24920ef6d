// A Canvas over a QImage: exact integer lines and pixels, text through QPainter.
#pragma once

#include "graph/Canvas.h"

#include <QImage>

namespace hydrolofter {

/// Draws into a 32-bit RGB image. Lines are rasterised here (Bresenham, start pixel drawn,
/// end pixel not), so every pixel lands exactly where the graph's rules put it; pixels go
/// straight into the image's scan lines. Drawing outside the image is clipped.
class ImageCanvas final : public Canvas {
public:
    /// image must be Format_RGB32 and stay alive (and unresized) while the canvas is used.
    explicit ImageCanvas(QImage& image);

    ClientRect clientRect() const override;
    Pen selectPen(const Pen& pen) override;
    Brush selectBrush(const Brush& brush) override;
    Font selectFont(const Font& font) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void textOut(int x, int y, const std::string& text) override;
    int textWidth(const std::string& text) const override;
    void setPixel(int x, int y, Rgb colour) override {
        if (x >= 0 && y >= 0 && x < m_width && y < m_height)
            row(y)[x] =
                0xff000000u | (unsigned(colour.r) << 16) | (unsigned(colour.g) << 8) | colour.b;
    }

    void setPixelRow(int x, int y, const Rgb* colours, int n) override;

private:
    unsigned* row(int y) {
        return reinterpret_cast<unsigned*>(m_bits + std::ptrdiff_t(y) * m_stride);
    }
    void plot(int x, int y, Rgb colour);

    QImage& m_image;
    uchar* m_bits;
    qsizetype m_stride;
    int m_width;
    int m_height;
    Pen m_pen;
    Brush m_brush;
    Font m_font;
    int m_curX = 0;
    int m_curY = 0;
};

} // namespace hydrolofter
