#include "ColourKey.h"

#include "graph/GraphData.h"
#include "toolkit/PainterCanvas.h"

#include <QPainter>

namespace hydrolofter {

ColourKey::ColourKey(QWidget* parent) : QFrame(parent) {}

void ColourKey::setGraph(const GraphData* graph) {
    m_graph = graph;
    // As wide as the key of a picture of the graph, its text with room to spare.
    if (graph && graph->keyWidth() > 0)
        setFixedWidth(graph->keyWidth() + 4);
    update();
}

QString ColourKey::lowLabel() const {
    return m_graph ? QString::fromStdString(m_graph->keyLabels().first) : QString();
}

QString ColourKey::highLabel() const {
    return m_graph ? QString::fromStdString(m_graph->keyLabels().second) : QString();
}

void ColourKey::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (m_graph)
        paint(p, rect(), *m_graph, devicePixelRatioF());
}

void ColourKey::paint(QPainter& p, const QRect& area, const GraphData& graph,
                      double screenPixelsPerUnit) {
    p.save();
    p.translate(area.topLeft());
    {
        PainterCanvas canvas(p, area.width(), area.height(), screenPixelsPerUnit);
        graph.paintKey(canvas, ClientRect{0, 0, area.width(), area.height()});
    }
    p.restore();
}

} // namespace hydrolofter
