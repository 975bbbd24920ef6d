#include "TemplatePage.h"

#include "ComboListControl.h"
#include "DialogBuilder.h"

#include <QComboBox>
#include <QLabel>

namespace hydrolofter {

TemplatePage::TemplatePage(const DialogTemplate& dialog, FrameFactory frames, QWidget* parent)
    : PropertyPage(QString::fromUtf8(dialog.caption), parent), dialog_(dialog),
      frames_(std::move(frames)) {
    // Dialog units: a quarter of the average character width, an eighth of the line height.
    const QFontMetrics fm(font());
    const int alphabet = fm.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    charWidth_ = (alphabet / 26 + 1) / 2;
    lineHeight_ = fm.height();
    widthScale_ = captionFit(fm);
    build();
    setMinimumSize(dluToPixelsX(dialog_.width), dluToPixelsY(dialog_.height));
}

int TemplatePage::dluToPixelsX(int x) const {
    return static_cast<int>(x * charWidth_ * widthScale_ / 4);
}

double TemplatePage::captionFit(const QFontMetrics& fm) const {
    // The templates were laid out for a narrow dialog font; where this font's captions
    // would be clipped, every horizontal distance grows by the same factor, so the page
    // keeps its proportions and every caption shows whole.
    double scale = 1;
    for (const ControlSpec& c : dialog_.controls) {
        if (!c.caption || c.height >= 16 || c.width <= 0)
            continue;
        int extra = 0; // the check mark or radio circle beside the text
        switch (c.kind) {
        case ControlKind::Label:
            break;
        case ControlKind::CheckBox:
        case ControlKind::Radio:
            extra = fm.height() + 6;
            break;
        case ControlKind::PushButton:
            extra = fm.averageCharWidth() * 2;
            break;
        default:
            continue;
        }
        QString text = QString::fromUtf8(c.caption);
        text.remove('&');
        const double available = c.width * charWidth_ / 4.0;
        scale = std::max(scale, (fm.horizontalAdvance(text) + extra) / available);
    }
    return std::min(scale, 1.6);
}
int TemplatePage::dluToPixelsY(int y) const {
    return y * lineHeight_ / 8;
}

void TemplatePage::build() {
    DialogBuilder builder(*this, frames_, radioFontMetrics(), dluToPixelsY(12));
    const auto& specs = dialog_.controls;
    std::vector<QWidget*> made;
    for (const ControlSpec& c : specs) {
        const QRect rect(dluToPixelsX(c.x), dluToPixelsY(c.y), dluToPixelsX(c.width),
                         dluToPixelsY(c.height));
        QWidget* w = builder.make(c, rect);
        made.push_back(w);
        if (c.id != 0 && !controls_.count(c.id))
            controls_[c.id] = w;
    }
    radioGroups_ = builder.radioGroups();
    // A label's mnemonic moves the focus to the control that follows it.
    for (const auto& [label, index] : builder.mnemonics()) {
        for (std::size_t k = index + 1; k < specs.size(); ++k) {
            if (isInput(specs[k].kind)) {
                label->setBuddy(controlWidget(specs[k].id));
                break;
            }
        }
    }
    nameControls(made);
}

bool TemplatePage::isInput(ControlKind kind) {
    return kind == ControlKind::Edit || kind == ControlKind::ComboBox ||
           kind == ControlKind::Slider;
}

namespace {

/// A caption as a name: without its mnemonic marker and its colon.
QString plainCaption(const char* caption) {
    QString s = QString::fromUtf8(caption);
    s.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    s.remove('&');
    s.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    s = s.trimmed();
    if (s.endsWith(':'))
        s.chop(1);
    return s;
}

} // namespace

void TemplatePage::nameControls(const std::vector<QWidget*>& made) {
    // The caption just before an input names it (and is its buddy, as screen readers
    // expect); the drop-down just after a named edit is that edit's unit.
    const auto& specs = dialog_.controls;
    QString named;
    for (std::size_t k = 0; k < specs.size(); ++k) {
        const ControlSpec& c = specs[k];
        QWidget* w = made[k];
        if (k > 0 && specs[k - 1].kind == ControlKind::Label && specs[k - 1].caption &&
            *specs[k - 1].caption && isInput(c.kind) && w) {
            named = plainCaption(specs[k - 1].caption);
            w->setAccessibleName(named);
            if (auto* label = qobject_cast<QLabel*>(made[k - 1]); label && !label->buddy())
                label->setBuddy(w);
            continue;
        }
        const ControlKind before = k > 0 ? specs[k - 1].kind : ControlKind::Label;
        if (c.kind == ControlKind::ComboBox && w && !named.isEmpty()) {
            w->setAccessibleName(named + QStringLiteral(" unit"));
            if (before == ControlKind::Edit)
                w->setToolTip(QStringLiteral("The unit the %1 is typed in. Changing it does not "
                                             "convert the number: it is read in the new unit.")
                                  .arg(named));
            else
                w->setToolTip(QStringLiteral("The unit of the %1: a range is typed in it and "
                                             "the result is shown in it.")
                                  .arg(named));
        }
        // An edit or a variable's drop-down passes its name on to the unit beside it.
        if (c.kind != ControlKind::Edit && c.kind != ControlKind::ComboBox)
            named.clear();
        else if (c.kind == ControlKind::ComboBox && before == ControlKind::ComboBox)
            named.clear();
    }
    for (const ControlHelp& h : dialog_.help) {
        QWidget* w = controlWidget(h.id);
        if (!w)
            continue;
        if (h.tip)
            w->setToolTip(QString::fromUtf8(h.tip));
        if (h.name)
            w->setAccessibleName(QString::fromUtf8(h.name));
        w->setAccessibleDescription(w->toolTip());
    }
}

QFontMetrics TemplatePage::radioFontMetrics() const {
    return QFontMetrics(font());
}

QWidget* TemplatePage::controlWidget(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

QButtonGroup* TemplatePage::radioGroup(int firstId) const {
    const auto it = radioGroups_.find(firstId);
    return it == radioGroups_.end() ? nullptr : it->second;
}

void TemplatePage::enableControl(int id, bool enable) {
    if (QWidget* w = controlWidget(id))
        w->setEnabled(enable);
}

void TemplatePage::showControl(int id, bool show) {
    if (QWidget* w = controlWidget(id))
        w->setVisible(show);
}

} // namespace hydrolofter
