// Building a page from its template, and the data exchange.
#include "PropertyPage.h"

#include "ComboListControl.h"
#include "Controls.h"
#include "DataExchange.h"
#include "units/NumberText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QTabWidget>

namespace hydrolofter {
namespace {

/// Radio captions that do not fit their width wrap onto the next line, as they always have.
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

PropertyPage::PropertyPage(const DialogTemplate& dialog, FrameFactory frames, QWidget* parent)
    : QWidget(parent), dialog_(dialog), frames_(std::move(frames)) {
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

QString PropertyPage::caption() const {
    return QString::fromUtf8(dialog_.caption);
}

int PropertyPage::dluToPixelsX(int x) const {
    return static_cast<int>(x * charWidth_ * widthScale_ / 4);
}

double PropertyPage::captionFit(const QFontMetrics& fm) const {
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
int PropertyPage::dluToPixelsY(int y) const {
    return y * lineHeight_ / 8;
}

void PropertyPage::build() {
    QButtonGroup* group = nullptr;
    QWidget* previous = nullptr;
    std::vector<std::pair<QLabel*, std::size_t>> mnemonics;
    const auto& specs = dialog_.controls;
    for (std::size_t k = 0; k < specs.size(); ++k) {
        const ControlSpec& c = specs[k];
        const QString caption = QString::fromUtf8(c.caption ? c.caption : "");
        QRect rect(dluToPixelsX(c.x), dluToPixelsY(c.y), dluToPixelsX(c.width),
                   dluToPixelsY(c.height));
        QWidget* w = nullptr;
        switch (c.kind) {
        case ControlKind::GroupBox:
            w = new QGroupBox(caption, this);
            break;
        case ControlKind::Label: {
            auto* label = new QLabel(caption, this);
            label->setAlignment((c.style & Centred ? Qt::AlignHCenter : Qt::AlignLeft) |
                                Qt::AlignTop);
            label->setWordWrap(c.height >= 16 && !caption.contains('\n'));
            if (caption.contains('&'))
                mnemonics.emplace_back(label, k);
            else
                label->setTextFormat(Qt::PlainText);
            w = label;
            break;
        }
        case ControlKind::Edit:
            if (c.style & MultiLine) {
                auto* edit = new DescriptionEdit(this);
                edit->setReadOnly(c.style & ReadOnly);
                w = edit;
            } else {
                auto* edit = new QLineEdit(this);
                edit->setReadOnly(c.style & ReadOnly);
                if (c.style & DigitsOnly)
                    edit->setValidator(
                        new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
                w = edit;
            }
            break;
        case ControlKind::ComboBox: {
            auto* combo = new QComboBox(this);
            combo->setEditable(false);
            rect.setHeight(dluToPixelsY(12)); // the closed list; the template's height is open
            w = combo;
            break;
        }
        case ControlKind::CheckBox:
            w = new QCheckBox(caption, this);
            break;
        case ControlKind::Radio: {
            auto* radio =
                new QRadioButton(wrapToWidth(caption, radioFontMetrics(), rect.width() - 20), this);
            if (!group || (c.style & GroupStart)) {
                group = new QButtonGroup(this);
                radioGroups_[c.id] = group;
            }
            group->addButton(radio, group->buttons().size());
            w = radio;
            break;
        }
        case ControlKind::PushButton: {
            auto* button = new QPushButton(caption, this);
            button->setAutoDefault(false);
            w = button;
            break;
        }
        case ControlKind::Spin: {
            auto* spin = new SpinButton(this);
            spin->setBuddy(qobject_cast<QLineEdit*>(previous));
            w = spin;
            break;
        }
        case ControlKind::Slider: {
            auto* slider = new QSlider(Qt::Horizontal, this);
            slider->setTickPosition(QSlider::TicksBelow);
            slider->setTickInterval(1);
            slider->setPageStep(1);
            w = slider;
            break;
        }
        case ControlKind::Progress: {
            auto* bar = new QProgressBar(this);
            bar->setRange(0, 100);
            bar->setValue(0);
            bar->setTextVisible(false);
            w = bar;
            break;
        }
        case ControlKind::Frame:
            w = frames_ ? frames_(c, this) : nullptr;
            if (!w)
                w = new BlackFrame(this);
            break;
        case ControlKind::Picture:
            w = new QLabel(this);
            break;
        }
        w->setParent(this);
        w->setGeometry(rect);
        w->setEnabled(!(c.style & Disabled));
        w->setVisible(!(c.style & Hidden));
        if (c.id != 0 && !controls_.count(c.id))
            controls_[c.id] = w;
        if (c.kind == ControlKind::GroupBox || (c.kind == ControlKind::Frame && c.id == 0)) {
            // Decoration: behind the controls it surrounds, and never in a click's way.
            w->lower();
            w->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        previous = w;
    }
    // A label's mnemonic moves the focus to the control that follows it.
    for (const auto& [label, index] : mnemonics) {
        for (std::size_t k = index + 1; k < specs.size(); ++k) {
            const ControlKind kind = specs[k].kind;
            if (kind == ControlKind::Edit || kind == ControlKind::ComboBox ||
                kind == ControlKind::Slider) {
                label->setBuddy(controlWidget(specs[k].id));
                break;
            }
        }
    }
}

QFontMetrics PropertyPage::radioFontMetrics() const {
    return QFontMetrics(font());
}

QWidget* PropertyPage::controlWidget(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

QButtonGroup* PropertyPage::radioGroup(int firstId) const {
    const auto it = radioGroups_.find(firstId);
    return it == radioGroups_.end() ? nullptr : it->second;
}

void PropertyPage::enableControl(int id, bool enable) {
    if (QWidget* w = controlWidget(id))
        w->setEnabled(enable);
}

void PropertyPage::showControl(int id, bool show) {
    if (QWidget* w = controlWidget(id))
        w->setVisible(show);
}

void PropertyPage::showEvent(QShowEvent* event) {
    initialise();
    QWidget::showEvent(event);
}

void PropertyPage::fillUnits(int comboId, UnitFamily family, int selected) {
    if (auto* combo = control<QComboBox>(comboId))
        fillUnitCombo(*combo, family, selected);
}

void PropertyPage::initialise() {
    if (initialised_)
        return;
    initialised_ = true;
    onInitDialog();
}

bool PropertyPage::updateData(bool save) {
    DataExchange dx(*this, save);
    exchangeData(dx);
    if (!dx.failed())
        return true;
    reveal();
    QWidget* w = dx.failedControl();
    w->activateWindow(); // the message box had the focus
    w->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->selectAll();
    return false;
}

void PropertyPage::reveal() {
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            tabs->setCurrentWidget(this);
            return;
        }
    }
}

// ---- data exchange ----

void DataExchange::refuse(QWidget* control, const char* message) {
    failedControl_ = control;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Hydrolofter"), QString::fromUtf8(message),
                    QMessageBox::Ok, &page_);
    box.exec();
}

void DataExchange::number(int id, double& value) {
    auto* edit = page_.control<QLineEdit>(id);
    if (failed() || !edit)
        return;
    if (!save_) {
        edit->setText(QString::fromStdString(formatDecimal(value)));
        return;
    }
    if (const std::optional<double> v = parseDecimal(edit->text().toStdString()))
        value = *v;
    else
        refuse(edit, "Please enter a number.");
}

void DataExchange::integer(int id, int& value) {
    auto* edit = page_.control<QLineEdit>(id);
    if (failed() || !edit)
        return;
    if (!save_) {
        edit->setText(QString::number(value));
        return;
    }
    if (const std::optional<int> v = parseWholeNumber(edit->text().toStdString()))
        value = *v;
    else
        refuse(edit, "Please enter an integer.");
}

void DataExchange::text(int id, std::string& value) {
    if (failed())
        return;
    if (auto* edit = page_.control<QPlainTextEdit>(id)) {
        if (save_)
            value = edit->toPlainText().toStdString();
        else
            edit->setPlainText(QString::fromStdString(value));
    } else if (auto* line = page_.control<QLineEdit>(id)) {
        if (save_)
            value = line->text().toStdString();
        else
            line->setText(QString::fromStdString(value));
    }
}

void DataExchange::check(int id, int& value) {
    auto* box = page_.control<QCheckBox>(id);
    if (failed() || !box)
        return;
    if (save_)
        value = box->isChecked() ? 1 : 0;
    else
        box->setChecked(value != 0);
}

void DataExchange::radio(int firstId, int& value) {
    QButtonGroup* group = page_.radioGroup(firstId);
    if (failed() || !group)
        return;
    if (save_) {
        value = group->checkedId();
        return;
    }
    if (QAbstractButton* b = group->button(value)) {
        b->setChecked(true);
    } else if (QAbstractButton* checked = group->checkedButton()) {
        group->setExclusive(false); // the only way to leave an exclusive group empty
        checked->setChecked(false);
        group->setExclusive(true);
    }
}

void DataExchange::listIndex(int id, int& value) {
    auto* combo = page_.control<QComboBox>(id);
    if (failed() || !combo)
        return;
    if (save_)
        value = combo->currentIndex();
    else
        combo->setCurrentIndex(value);
}

void DataExchange::slider(int id, int& value) {
    auto* s = page_.control<QSlider>(id);
    if (failed() || !s)
        return;
    if (save_)
        value = s->value();
    else
        s->setValue(value);
}

} // namespace hydrolofter
