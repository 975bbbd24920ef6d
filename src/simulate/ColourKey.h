// The key beside a surface: what each of its sixteen shades means.
#pragma once

#include <QFrame>

class QPainter;

namespace hydrolofter {

class GraphData;

/// The surface's key as its graph draws it for pictures: the result's name, the sixteen
/// shades from the lowest result (bottom) to the highest (top), and the two end values.
class ColourKey : public QFrame {
    Q_OBJECT
public:
    explicit ColourKey(QWidget* parent = nullptr);
    /// The graph whose key to show (borrowed; nullptr: none).
    void setGraph(const GraphData* graph);
    QString lowLabel() const;
    QString highLabel() const;

    /// Draws graph's key into area with painter (screen pixels per unit as PainterCanvas
    /// takes them; 0 on paper): what the widget shows, and a printed page.
    static void paint(QPainter& painter, const QRect& area, const GraphData& graph,
                      double screenPixelsPerUnit = 0);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const GraphData* m_graph = nullptr;
};

} // namespace hydrolofter
