#include "GraphImage.h"

#include "ImageCanvas.h"
#include "graph/GraphData.h"

#include <algorithm>

namespace hydrolofter {

QImage paintGraphImage(const GraphData& graph, int width, int height) {
    QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    image.fill(Qt::white);
    ImageCanvas canvas(image);
    graph.paint(canvas);
    return image;
}

} // namespace hydrolofter
