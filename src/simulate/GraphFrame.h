// The widget that shows a graph: the Simulate page's graph area and the full-screen window.
#pragma once

#include <QFrame>

namespace hydrolofter {

class GraphData;

/// Paints a borrowed GraphData over its whole client area; nothing without one. Says
/// what lies under the mouse pointer as it moves over the plot.
class GraphFrame : public QFrame {
    Q_OBJECT
public:
    explicit GraphFrame(QWidget* parent = nullptr);
    void setGraph(const GraphData* graph);
    const GraphData* graph() const { return graph_; }
    /// What the graph shows under point p of the frame; empty outside the plot box.
    QString readoutAt(QPoint p) const;

signals:
    /// The text under the pointer changed (empty: nothing there, or the pointer left).
    void readoutChanged(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void setReadout(const QString& text);

    const GraphData* graph_ = nullptr;
    QString readout_;
};

} // namespace hydrolofter
