// A graph painted into an image: what the window shows, the batch tool writes and tests read.
#pragma once

#include <QImage>

namespace hydrolofter {

class GraphData;

/// The graph painted into a new white image of the given size (at least 1 × 1).
QImage paintGraphImage(const GraphData& graph, int width, int height);

} // namespace hydrolofter
