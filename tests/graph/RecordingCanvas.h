// A canvas that records the painter's calls, for checking layout and object handling.
#pragma once

#include "graph/Canvas.h"

#include <string>
#include <utility>
#include <vector>

namespace hydrolofter::test {

class RecordingCanvas : public Canvas {
public:
    struct Text {
        int x, y, escapement;
        std::string text;
    };
    struct Line {
        int x0, y0, x1, y1;
        Rgb colour;
    };

    explicit RecordingCanvas(ClientRect r) : rect(r) {}
    ClientRect clientRect() const override { return rect; }
    Pen selectPen(const Pen& p) override {
        ++selections;
        return std::exchange(pen, p);
    }
    Brush selectBrush(const Brush& b) override {
        ++selections;
        return std::exchange(brush, b);
    }
    Font selectFont(const Font& f) override {
        ++selections;
        return std::exchange(font, f);
    }
    void rectangle(int, int, int, int) override { ++rectangles; }
    void moveTo(int x, int y) override {
        cx = x;
        cy = y;
    }
    void lineTo(int x, int y) override {
        lines.push_back({cx, cy, x, y, pen.colour});
        cx = x;
        cy = y;
    }
    void textOut(int x, int y, const std::string& t) override {
        texts.push_back({x, y, font.escapement, t});
    }
    /// A fixed advance per character, so that tests can compute positions by hand.
    int textWidth(const std::string& t) const override { return kCharWidth * int(t.size()); }
    void setPixel(int, int, Rgb) override { ++pixels; }
    static constexpr int kCharWidth = 6;

    ClientRect rect;
    Pen pen{1, {1, 2, 3}}; // a default the painter must put back
    Brush brush{{4, 5, 6}};
    Font font{7};
    int cx = 0, cy = 0, rectangles = 0, selections = 0;
    long pixels = 0;
    std::vector<Text> texts;
    std::vector<Line> lines;
};

} // namespace hydrolofter::test
