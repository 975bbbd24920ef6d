// The key beside a surface: what each of its sixteen shades means.
#pragma once

#include <QFrame>

class QPainter;

namespace hydrolofter {

/// The sixteen surface shades from the lowest result (bottom) to the highest (top), with
/// those two values as labels, so that a reader can tell what a shade means.
class ColourKey : public QFrame {
    Q_OBJECT
public:
    explicit ColourKey(QWidget* parent = nullptr);
    void setScale(double lowest, double highest, const QString& unit);
    QString lowLabel() const { return low_; }
    QString highLabel() const { return high_; }

    /// Draws a key into area with painter's font: what the widget shows, and a printed page.
    static void paint(QPainter& painter, const QRect& area, const QString& high,
                      const QString& low);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString low_;
    QString high_;
};

} // namespace hydrolofter
