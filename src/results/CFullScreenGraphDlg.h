// The full-screen graph window: the current graph, maximised, without caption or border.
#pragma once

#include <QDialog>

namespace hydrolofter {

class GraphData;
class GraphFrame;

class CFullScreenGraphDlg : public QDialog {
    Q_OBJECT
public:
    explicit CFullScreenGraphDlg(QWidget* parent = nullptr);
    /// The graph to draw; not owned (the Simulate page keeps it).
    void setGraph(const GraphData* graph);
    const GraphData* m_pGraph = nullptr;

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    GraphFrame* m_pFrame;
};

} // namespace hydrolofter
