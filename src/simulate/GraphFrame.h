// The widget that shows a graph: the Simulate page's graph area and the full-screen window.
#pragma once

#include <QFrame>

namespace hydrolofter {

class GraphData;

/// Paints a borrowed GraphData over its whole client area; nothing without one.
class GraphFrame : public QFrame {
    Q_OBJECT
public:
    explicit GraphFrame(QWidget* parent = nullptr);
    void setGraph(const GraphData* graph);
    const GraphData* graph() const { return graph_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const GraphData* graph_ = nullptr;
};

} // namespace hydrolofter
