// The key beside a surface: what each of its sixteen shades means.
#pragma once

#include <QFrame>

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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString low_;
    QString high_;
};

} // namespace hydrolofter
