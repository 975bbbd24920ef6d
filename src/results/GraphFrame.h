// Widgets that show a graph: the page's graph area, and the colour key beside a surface.
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

/// The sixteen surface shades from the lowest result (bottom) to the highest (top), with
/// those two values as labels, so that a reader can tell what a shade means.
class ColourKey : public QFrame {
    Q_OBJECT
public:
    explicit ColourKey(QWidget* parent = nullptr);
    void setScale(double lowest, double highest, const QString& unit);
    QString lowLabel() const { return low_; }
    QString highLabel() const { return high_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString low_;
    QString high_;
};

} // namespace hydrolofter
