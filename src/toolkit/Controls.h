// Small controls the pages need that Qt does not have as such.
#pragma once

#include <QFrame>
#include <QPlainTextEdit>

class QLineEdit;
class QToolButton;

namespace hydrolofter {

/// A multi-line text box in which Enter does not start a new line (it belongs to the
/// dialog) but Ctrl+Enter does; Tab moves the focus on.
class DescriptionEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit DescriptionEdit(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

/// Up and down arrows attached to an edit holding a whole number. The arrows (and the Up
/// and Down keys in the edit) step the number within the range; typed text is not clamped.
class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget* parent = nullptr);
    void setBuddy(QLineEdit* edit);
    QLineEdit* buddy() const { return m_buddy; }
    void setRange(int lower, int upper);
    int lower() const { return m_lower; }
    int upper() const { return m_upper; }
    void stepBy(int steps);
    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* m_buddy = nullptr;
    QToolButton* m_up;
    QToolButton* m_down;
    int m_lower = 0;
    int m_upper = 100;
    int m_position = 0;
};

/// A black rectangle outline, as dialogs have always drawn empty frames.
class BlackFrame : public QFrame {
    Q_OBJECT
public:
    explicit BlackFrame(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace hydrolofter
