#include "GraphFrame.h"

#include "ColourKey.h"
#include "graph/GraphData.h"
#include "toolkit/GraphImage.h"
#include "toolkit/PainterCanvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace hydrolofter {

GraphFrame::GraphFrame(QWidget* parent) : QFrame(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void GraphFrame::setGraph(const GraphData* graph) {
    m_graph = graph;
    setReadout({});
    update();
}

void GraphFrame::setShowsKey(bool shows) {
    m_showsKey = shows;
    update();
}

int GraphFrame::graphWidth() const {
    return m_showsKey && m_graph ? std::max(width() - m_graph->keyWidth(), 1) : width();
}

QString GraphFrame::readoutAt(QPoint p) const {
    if (!m_graph)
        return {};
    return QString::fromStdString(m_graph->readout(p.x(), p.y(), graphWidth(), height()));
}

void GraphFrame::mouseMoveEvent(QMouseEvent* event) {
    setReadout(readoutAt(event->position().toPoint()));
    QFrame::mouseMoveEvent(event);
}

void GraphFrame::leaveEvent(QEvent* event) {
    setReadout({});
    QFrame::leaveEvent(event);
}

void GraphFrame::setReadout(const QString& text) {
    if (text == m_readout)
        return;
    m_readout = text;
    emit readoutChanged(text);
}

void GraphFrame::paintEvent(QPaintEvent*) {
    if (!m_graph)
        return;
    QPainter painter(this);
    const qreal scale = devicePixelRatioF();
    const int w = graphWidth();
    if (scale == 1) {
        // Drawn into an image of the client size with the exact rasteriser, then shown:
        // the same pixels as an exported image or the batch tool's.
        painter.drawImage(0, 0,
                          m_showsKey ? paintGraphPicture(*m_graph, width(), height())
                                     : paintGraphImage(*m_graph, w, height()));
        return;
    }
    // On a scaled screen the same painter draws at the device's resolution: text and lines
    // sharp, every line a whole number of device pixels wide.
    painter.fillRect(rect(), Qt::white);
    {
        PainterCanvas canvas(painter, w, height(), scale);
        m_graph->paint(canvas);
    }
    if (m_showsKey)
        ColourKey::paint(painter, QRect(w, 10, width() - w, height() - 60), *m_graph, scale);
}

} // namespace hydrolofter
