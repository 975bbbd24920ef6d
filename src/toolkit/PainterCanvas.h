// A Canvas over any QPainter (a printer, a PDF): lines and text stay vector.
#pragma once

#include "graph/Canvas.h"

#include <QImage>

class QPainter;

namespace hydrolofter {

/// Draws the graph painter's pixel coordinates through a QPainter, whose transform may
/// scale them to any device (a page at the printer's resolution). A pixel line becomes a
/// line through the pixels' centres and text keeps the window's font in the same units;
/// single pixels (the shading of a surface) are gathered into an image of the canvas's
/// size, drawn before the next line or text so that those stay on top.
class PainterCanvas final : public Canvas {
public:
    /// The canvas is width × height units; painter must outlive it. On a screen, give the
    /// device's pixels per unit: lines are then a whole number of device pixels wide (every
    /// grid line alike); on paper (0) they scale with the page.
    PainterCanvas(QPainter& painter, int width, int height, double screenPixelsPerUnit = 0);
    ~PainterCanvas() override;
    PainterCanvas(const PainterCanvas&) = delete;
    PainterCanvas& operator=(const PainterCanvas&) = delete;

    ClientRect clientRect() const override { return {0, 0, m_width, m_height}; }
    Pen selectPen(const Pen& pen) override;
    Brush selectBrush(const Brush& brush) override;
    Font selectFont(const Font& font) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void textOut(int x, int y, const std::string& text) override;
    int textWidth(const std::string& text) const override;
    void setPixel(int x, int y, Rgb colour) override;
    void setPixelRow(int x, int y, const Rgb* colours, int n) override;

private:
    /// Draws the pixels gathered so far.
    void flushPixels();
    QPen linePen() const;

    QPainter& m_painter;
    int m_width;
    int m_height;
    double m_screenScale;
    Pen m_pen;
    Brush m_brush;
    Font m_font;
    int m_curX = 0;
    int m_curY = 0;
    QImage m_pixels; ///< ARGB, transparent where nothing was set; null when empty
};

} // namespace hydrolofter
