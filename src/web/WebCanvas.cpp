#include "WebCanvas.h"

#include <emscripten.h>

namespace hydrolofter {
namespace {

// The page's script provides Module.measureText and Module.drawText (web/site/text.js).
EM_JS(int, jsTextWidth, (const char* text), { return Module.measureText(UTF8ToString(text)); });
EM_JS(void, jsTextOut,
      (int x, int y, const char* text, int escapement, unsigned* pixels, int rowLength, int width,
       int height, double scale),
      {
          Module.drawText(x, y, UTF8ToString(text), escapement, pixels, rowLength, width, height,
                          scale);
      });

} // namespace

WebCanvas::WebCanvas(std::vector<unsigned>& pixels, int rowLength, int width, int height,
                     double scale)
    : RasterCanvas(reinterpret_cast<unsigned char*>(pixels.data()), std::ptrdiff_t(rowLength) * 4,
                   width, height, scale),
      pixels_(pixels), rowLength_(rowLength), width_(width), height_(height) {}

int WebCanvas::textWidth(const std::string& text) const {
    return jsTextWidth(text.c_str());
}

void WebCanvas::textOut(int x, int y, const std::string& text) {
    if (!text.empty())
        jsTextOut(device(x), device(y), text.c_str(), font().escapement, pixels_.data(), rowLength_,
                  width_, height_, scale());
}

} // namespace hydrolofter
