// DescriptionEdit, SpinButton and BlackFrame.
#include "Controls.h"

#include "units/NumberText.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
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
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setAutoRepeat(true);
    down_->setAutoRepeat(true);
    up_->setFocusPolicy(Qt::NoFocus);
    down_->setFocusPolicy(Qt::NoFocus);
    connect(up_, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(down_, &QToolButton::clicked, this, [this] { stepBy(-1); });
}

void SpinButton::setBuddy(QLineEdit* edit) {
    if (buddy_)
        buddy_->removeEventFilter(this);
    buddy_ = edit;
    if (buddy_)
        buddy_->installEventFilter(this);
}

void SpinButton::setRange(int lower, int upper) {
    lower_ = lower;
    upper_ = upper;
    position_ = std::clamp(position_, std::min(lower, upper), std::max(lower, upper));
}

void SpinButton::stepBy(int steps) {
    // The edit's number when it holds one, the last position otherwise.
    if (buddy_) {
        if (const std::optional<int> typed = parseWholeNumber(buddy_->text().toStdString()))
            position_ = *typed;
    }
    const long next = long(position_) + steps;
    position_ = int(std::clamp<long>(next, std::min(lower_, upper_), std::max(lower_, upper_)));
    if (buddy_)
        buddy_->setText(QString::number(position_));
}

bool SpinButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == buddy_ && event->type() == QEvent::KeyPress && isEnabled()) {
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
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

BlackFrame::BlackFrame(QWidget* parent) : QFrame(parent) {}

void BlackFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace hydrolofter
