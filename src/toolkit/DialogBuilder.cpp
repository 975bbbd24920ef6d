#include "DialogBuilder.h"

#include "Controls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSlider>

namespace hydrolofter {
namespace {

/// A radio caption too wide for its button wraps onto a second line, which the template's
/// height leaves room for.
QString wrapToWidth(const QString& text, const QFontMetrics& fm, int width) {
    if (fm.horizontalAdvance(text) <= width)
        return text;
    const QStringList words = text.split(' ');
    QString first, rest;
    for (const QString& w : words) {
        const QString candidate = first.isEmpty() ? w : first + ' ' + w;
        if (rest.isEmpty() && (first.isEmpty() || fm.horizontalAdvance(candidate) <= width))
            first = candidate;
        else
            rest += (rest.isEmpty() ? "" : " ") + w;
    }
    return rest.isEmpty() ? first : first + '\n' + rest;
}

} // namespace

DialogBuilder::DialogBuilder(QWidget& page, const TemplatePage::FrameFactory& frames,
                             QFontMetrics radioFont, int comboHeight)
    : page_(page), frames_(frames), radioFont_(radioFont), comboHeight_(comboHeight) {}

QWidget* DialogBuilder::make(const ControlSpec& c, QRect rect) {
    const QString caption = QString::fromUtf8(c.caption ? c.caption : "");
    QWidget* w = nullptr;
    switch (c.kind) {
    case ControlKind::GroupBox:
        w = groupBox(c, caption);
        break;
    case ControlKind::Label:
        w = label(c, caption);
        break;
    case ControlKind::Edit:
        w = edit(c);
        break;
    case ControlKind::ComboBox:
        w = comboBox(rect);
        break;
    case ControlKind::CheckBox:
        w = new QCheckBox(caption, &page_);
        break;
    case ControlKind::Radio:
        w = radio(c, caption, rect);
        break;
    case ControlKind::PushButton:
        w = pushButton(caption);
        break;
    case ControlKind::Spin:
        w = spin();
        break;
    case ControlKind::Slider:
        w = slider();
        break;
    case ControlKind::Progress:
        w = progress();
        break;
    case ControlKind::Frame:
        w = frame(c);
        break;
    case ControlKind::Picture:
        w = new QLabel(&page_);
        break;
    }
    w->setParent(&page_);
    w->setGeometry(rect);
    w->setEnabled(!(c.style & Disabled));
    w->setVisible(!(c.style & Hidden));
    if (c.kind == ControlKind::GroupBox || (c.kind == ControlKind::Frame && c.id == 0)) {
        // Decoration: behind the controls it surrounds, and never in a click's way.
        w->lower();
        w->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    previous_ = w;
    ++index_;
    return w;
}

QWidget* DialogBuilder::groupBox(const ControlSpec&, const QString& caption) {
    return new QGroupBox(caption, &page_);
}

QWidget* DialogBuilder::label(const ControlSpec& c, const QString& caption) {
    auto* label = new QLabel(caption, &page_);
    label->setAlignment((c.style & Centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    label->setWordWrap(c.height >= 16 && !caption.contains('\n'));
    if (caption.contains('&'))
        mnemonics_.emplace_back(label, index_);
    else
        label->setTextFormat(Qt::PlainText);
    return label;
}

QWidget* DialogBuilder::edit(const ControlSpec& c) {
    if (c.style & MultiLine) {
        auto* edit = new DescriptionEdit(&page_);
        edit->setReadOnly(c.style & ReadOnly);
        return edit;
    }
    auto* edit = new QLineEdit(&page_);
    edit->setReadOnly(c.style & ReadOnly);
    if (c.style & DigitsOnly)
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
    return edit;
}

QWidget* DialogBuilder::comboBox(QRect& rect) {
    auto* combo = new QComboBox(&page_);
    combo->setEditable(false);
    rect.setHeight(comboHeight_);
    return combo;
}

QWidget* DialogBuilder::radio(const ControlSpec& c, const QString& caption, const QRect& rect) {
    auto* radio = new QRadioButton(wrapToWidth(caption, radioFont_, rect.width() - 20), &page_);
    if (!group_ || (c.style & GroupStart)) {
        group_ = new QButtonGroup(&page_);
        groups_[c.id] = group_;
    }
    group_->addButton(radio, int(group_->buttons().size()));
    return radio;
}

QWidget* DialogBuilder::pushButton(const QString& caption) {
    auto* button = new QPushButton(caption, &page_);
    button->setAutoDefault(false);
    return button;
}

QWidget* DialogBuilder::spin() {
    auto* spin = new SpinButton(&page_);
    spin->setBuddy(qobject_cast<QLineEdit*>(previous_));
    return spin;
}

QWidget* DialogBuilder::slider() {
    auto* slider = new QSlider(Qt::Horizontal, &page_);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    slider->setPageStep(1);
    return slider;
}

QWidget* DialogBuilder::progress() {
    auto* bar = new QProgressBar(&page_);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    return bar;
}

QWidget* DialogBuilder::frame(const ControlSpec& c) {
    QWidget* w = frames_ ? frames_(c, &page_) : nullptr;
    return w ? w : new BlackFrame(&page_);
}

} // namespace hydrolofter
