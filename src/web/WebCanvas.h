// The raster canvas of the browser edition: the core's exact pixels, text from the browser.
#pragma once

#include "graph/RasterCanvas.h"

#include <vector>

namespace hydrolofter {

/// Draws into its own pixels; text is measured and drawn by the page's script (the
/// browser's font), into the same pixels at the moment the painter asks, so that what is
/// drawn later lies over it as on the desktop.
class WebCanvas final : public RasterCanvas {
public:
    /// The first width of every row of rowLength pixels, height rows; scale: pixels to the
    /// painter's unit (the screen's device pixel ratio), text as large.
    WebCanvas(std::vector<unsigned>& pixels, int rowLength, int width, int height,
              double scale = 1);

    void textOut(int x, int y, const std::string& text) override;
    int textWidth(const std::string& text) const override;

private:
    std::vector<unsigned>& pixels_;
    int rowLength_;
    int width_;
    int height_;
};

} // namespace hydrolofter
