// DescriptionEdit, SpinButton and BlackFrame.
#include "Controls.h"

#include "units/NumberText.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPen>
#include <QToolButton>
#include <algorithm>

namespace hydrolofter {

DescriptionEdit::DescriptionEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void DescriptionEdit::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !isReadOnly()) {
        if (event->modifiers() & Qt::ControlModifier) {
            insertPlainText(QStringLiteral("\n"));
            event->accept();
        } else {
            event->ignore(); // Enter is the dialog's
        }
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

SpinButton::SpinButton(QWidget* parent)
    : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this)) {
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    m_up->setAutoRepeat(true);
    m_down->setAutoRepeat(true);
    m_up->setFocusPolicy(Qt::NoFocus);
    m_down->setFocusPolicy(Qt::NoFocus);
    connect(m_up, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { stepBy(-1); });
}

void SpinButton::setBuddy(QLineEdit* edit) {
    if (m_buddy)
        m_buddy->removeEventFilter(this);
    m_buddy = edit;
    if (m_buddy)
        m_buddy->installEventFilter(this);
}

void SpinButton::setRange(int lower, int upper) {
    m_lower = lower;
    m_upper = upper;
    m_position = std::clamp(m_position, std::min(lower, upper), std::max(lower, upper));
}

void SpinButton::stepBy(int steps) {
    // The edit's number when it holds one, the last position otherwise.
    if (m_buddy) {
        if (const std::optional<int> typed = parseWholeNumber(m_buddy->text().toStdString()))
            m_position = *typed;
    }
    const long next = long(m_position) + steps;
    m_position =
        int(std::clamp<long>(next, std::min(m_lower, m_upper), std::max(m_lower, m_upper)));
    if (m_buddy)
        m_buddy->setText(QString::number(m_position));
}

bool SpinButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_buddy && event->type() == QEvent::KeyPress && isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            stepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SpinButton::resizeEvent(QResizeEvent*) {
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}

BlackFrame::BlackFrame(QWidget* parent) : QFrame(parent) {}

void BlackFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    // Half a pixel in: on a screen scaled by 1.5 an edge on the widget's border falls
    // between device pixels and could be clipped away.
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace hydrolofter
