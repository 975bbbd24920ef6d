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
    /// Draws a surface's key in a strip at the right, as pictures have it (the full-screen
    /// window, where the page's key is not in sight).
    void setShowsKey(bool shows);
    const GraphData* graph() const { return m_graph; }
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
    /// The graph's own width: the frame's, less the key's strip.
    int graphWidth() const;

    const GraphData* m_graph = nullptr;
    bool m_showsKey = false;
    QString m_readout;
};

} // namespace hydrolofter
