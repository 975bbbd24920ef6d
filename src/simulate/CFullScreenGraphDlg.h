// The full-screen graph window: the current graph maximised, without caption or border.
#pragma once

#include <QDialog>
#include <QSet>

class QLabel;

namespace hydrolofter {

class GraphData;
class GraphFrame;

class CFullScreenGraphDlg : public QDialog {
    Q_OBJECT
public:
    explicit CFullScreenGraphDlg(QWidget* parent = nullptr);
    /// The graph to draw; not owned (the Simulate page keeps it).
    void setGraph(const GraphData* graph);
    const GraphData* graph() const { return m_graph; }
    /// The readout line at the bottom: what lies under the pointer.
    QString readout() const;
    /// Shows the window maximised over the screen of its parent (or the primary screen) and
    /// runs it modally until a key or the left mouse button is released.
    int exec() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeReadout();
    const GraphData* m_graph = nullptr;
    GraphFrame* m_frame;
    QLabel* m_readout;
    /// Keys pressed while the window was open: the release of the key that opened it
    /// (Alt+F) must not close it again at once.
    QSet<int> m_pressedKeys;
};

} // namespace hydrolofter
