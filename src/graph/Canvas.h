// The drawing surface the graph painter draws through: what it needs of a device context.
#pragma once

#include <cstdint>
#include <string>

namespace hydrolofter {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

/// Pixels; right and bottom are one past the last column and row.
struct ClientRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct Pen {
    int width = 1;
    Rgb colour;
};

struct Brush {
    Rgb colour{255, 255, 255};
};

/// The default face and height; escapement in tenths of a degree, counter-clockwise.
struct Font {
    int escapement = 0;
};

/// A window's client area to draw on. Selecting a pen, brush or font hands the previous one
/// back, so that a painter can put it back before it returns.
/// Lines include their start pixel and exclude their end pixel; after lineTo the current
/// position is the end point, so connected segments share their joint.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual ClientRect clientRect() const = 0;
    virtual Pen selectPen(const Pen& pen) = 0;
    virtual Brush selectBrush(const Brush& brush) = 0;
    virtual Font selectFont(const Font& font) = 0;
    /// Fills [left, right) × [top, bottom) with the brush and outlines it with the pen.
    virtual void rectangle(int left, int top, int right, int bottom) = 0;
    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
    /// Text with its top-left corner at (x, y) (before rotation by the font's escapement),
    /// black on an opaque white background.
    virtual void textOut(int x, int y, const std::string& text) = 0;
    /// Pixels the text takes horizontally in the canvas's font (unrotated).
    virtual int textWidth(const std::string& text) const = 0;
    virtual void setPixel(int x, int y, Rgb colour) = 0;
    /// n pixels from (x, y) rightward; the same as n setPixel calls, for surfaces that
    /// write every pixel of a window.
    virtual void setPixelRow(int x, int y, const Rgb* colours, int n) {
        for (int i = 0; i < n; ++i)
            setPixel(x + i, y, colours[i]);
    }
};

} // namespace hydrolofter
