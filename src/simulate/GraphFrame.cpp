#include "GraphFrame.h"

#include "graph/GraphData.h"
#include "toolkit/GraphImage.h"

#include <QPainter>

namespace hydrolofter {

GraphFrame::GraphFrame(QWidget* parent) : QFrame(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphFrame::setGraph(const GraphData* graph) {
    graph_ = graph;
    update();
}

void GraphFrame::paintEvent(QPaintEvent*) {
    if (!graph_)
        return;
    // Drawn into an image of the client size with the exact rasteriser, then shown.
    const QImage image = paintGraphImage(*graph_, width(), height());
    QPainter painter(this);
    painter.drawImage(0, 0, image);
}

} // namespace hydrolofter
