#include "FieldForm.h"

#include "toolkit/ComboFill.h"
#include "toolkit/Controls.h"
#include "toolkit/PageControls.h"
#include "units/NumberText.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>

namespace hydrolofter {
namespace {

/// Grid columns of one column of a box: an option's radio button, the caption, the edit,
/// the unit, and a gap before the next column.
constexpr int kColumnsPerColumn = 5;

QString spokenName(const Field& f) {
    return f.spokenName.empty() ? QString::fromStdString(f.plainCaption()) : qstr(f.spokenName);
}

QButtonGroup* findOptionGroup(const QWidget& page, const Field& f) {
    return page.findChild<QButtonGroup*>(qstr(f.name) + QStringLiteral("Options"));
}

bool onItsOwn(const Field& f) {
    return f.entry != Entry::None && f.entry != Entry::Note;
}

} // namespace

FieldForm::FieldForm(FieldGroup group, QWidget& page, QBoxLayout& layout, Boxes boxes)
    : m_group(group), m_page(page) {
    makeBoxes(layout, boxes);
    for (const Field& f : fields()) {
        if (f.group == m_group && f.entry == Entry::Note)
            makeNote(f, layout);
    }
}

void FieldForm::makeBoxes(QBoxLayout& layout, Boxes boxes) {
    auto* row = new QBoxLayout(boxes == Boxes::SideBySide ? QBoxLayout::LeftToRight
                                                          : QBoxLayout::TopToBottom);
    layout.addLayout(row);
    QGridLayout* grid = nullptr;
    std::string_view box;
    int rows[2] = {0, 0};
    int besideOptions = 0; // fields still to place beside a choice's radio buttons
    int optionRow = 0;
    for (const Field& f : fields()) {
        if (f.group != m_group || !onItsOwn(f))
            continue;
        if (!grid || f.box != box) {
            box = f.box;
            auto* groupBox = new QGroupBox(qstr(box), &m_page);
            grid = new QGridLayout(groupBox);
            grid->setColumnStretch(kColumnsPerColumn - 1, 1);
            row->addWidget(groupBox, 0, Qt::AlignTop);
            rows[0] = rows[1] = 0;
        }
        int& r = rows[f.column];
        if (besideOptions > 0) {
            place(f, *grid, optionRow++, f.column, true);
            --besideOptions;
            continue;
        }
        const int taken = place(f, *grid, r, f.column, false);
        if (f.entry == Entry::Choice) {
            besideOptions = int(f.options.size());
            optionRow = r;
        }
        r += taken;
    }
    if (boxes == Boxes::SideBySide)
        row->addStretch(1);
}

int FieldForm::place(const Field& f, QGridLayout& grid, int row, int column, bool besideOption) {
    const int base = column * kColumnsPerColumn;
    QWidget* parent = grid.parentWidget();
    const QString help = qstr(f.help);
    if (f.entry == Entry::Tick) {
        auto* box = new QCheckBox(qstr(f.caption), parent);
        box->setObjectName(qstr(f.name));
        box->setToolTip(help);
        box->setAccessibleDescription(help);
        grid.addWidget(box, row, base, 1, 4, Qt::AlignLeft);
        remember(f, box);
        return 1;
    }
    if (f.entry == Entry::Choice) {
        int r = row;
        for (QRadioButton* radio : makeOptions(f, parent)) {
            grid.addWidget(radio, r++, base, Qt::AlignLeft);
            remember(f, radio);
        }
        m_choices[std::string(f.name)] = f.options.empty() ? nullptr : findOptionGroup(m_page, f);
        return int(f.options.size());
    }
    QLineEdit* edit = makeEdit(f, parent);
    QLabel* caption = makeCaption(f, edit, parent);
    grid.addWidget(caption, row, besideOption ? base + 1 : base, 1, besideOption ? 1 : 2);
    remember(f, caption);
    remember(f, edit);
    if (f.entry == Entry::Count) {
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
        // The arrows sit in the unit's place, against the edit.
        auto* arrows = new SpinButton(parent);
        arrows->setObjectName(qstr(f.name) + QStringLiteral("Arrows"));
        arrows->setBuddy(edit);
        const QString plain = QString::fromStdString(f.plainCaption());
        arrows->setToolTip(QStringLiteral("Change the %1 by one.").arg(plain.toLower()));
        arrows->setAccessibleName(plain + QStringLiteral(", up or down"));
        arrows->setFixedWidth(edit->sizeHint().height() * 3 / 4);
        grid.addWidget(arrows, row, base + 3, Qt::AlignLeft);
        remember(f, arrows);
    }
    grid.addWidget(edit, row, base + 2);
    if (f.readOnly) {
        for (QWidget* w : m_rows[std::string(f.name)])
            w->setEnabled(false);
    }
    if (QWidget* unit = unitControl(f)) {
        unit->setParent(parent);
        unit->setEnabled(!f.readOnly);
        grid.addWidget(unit, row, base + 3);
        remember(f, unit);
    }
    if (f.hint.empty())
        return 1;
    auto* hint = new QLabel(qstr(f.hint), parent);
    hint->setWordWrap(true);
    hint->setIndent(hint->fontMetrics().averageCharWidth() * 2);
    grid.addWidget(hint, row + 1, base, 1, 4);
    remember(f, hint);
    return 2;
}

QWidget* FieldForm::unitControl(const Field& f) {
    if (!f.unitLabel.empty())
        return new QLabel(qstr(f.unitLabel));
    const Field* unit = f.paired.empty() ? nullptr : findField(f.paired);
    if (!unit)
        return nullptr;
    auto* combo = new QComboBox;
    combo->setObjectName(qstr(unit->name));
    const bool percent = unit->kind == FieldKind::PercentUnit;
    fillUnitCombo(*combo, percent ? UnitFamily::Volume : unit->family, 0, percent);
    const QString named = spokenName(f);
    combo->setAccessibleName(named + QStringLiteral(" unit"));
    combo->setToolTip(QStringLiteral("The unit the %1 is typed in. Changing it does not "
                                     "convert the number: it is read in the new unit.")
                          .arg(named));
    combo->setAccessibleDescription(combo->toolTip());
    return combo;
}

void FieldForm::makeNote(const Field& f, QBoxLayout& layout) {
    auto* edit = new DescriptionEdit(&m_page);
    edit->setObjectName(qstr(f.name));
    edit->setToolTip(qstr(f.help));
    edit->setAccessibleName(QString::fromStdString(f.plainCaption()));
    edit->setAccessibleDescription(qstr(f.help));
    QLabel* caption = makeCaption(f, edit, &m_page);
    auto* hint = new QLabel(qstr(f.hint), &m_page);
    layout.addWidget(caption);
    layout.addWidget(edit, 1);
    layout.addWidget(hint);
    remember(f, edit);
}

QLineEdit* FieldForm::makeEdit(const Field& f, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(qstr(f.name));
    edit->setToolTip(qstr(f.help));
    edit->setAccessibleName(spokenName(f));
    edit->setAccessibleDescription(qstr(f.help));
    return edit;
}

QLabel* FieldForm::makeCaption(const Field& f, QWidget* buddy, QWidget* parent) {
    auto* caption = new QLabel(qstr(f.caption), parent);
    caption->setBuddy(buddy);
    return caption;
}

std::vector<QRadioButton*> FieldForm::makeOptions(const Field& f, QWidget* parent) {
    auto* group = new QButtonGroup(parent);
    group->setObjectName(qstr(f.name) + QStringLiteral("Options"));
    std::vector<QRadioButton*> radios;
    for (const FieldOption& option : f.options) {
        auto* radio = new QRadioButton(qstr(option.caption), parent);
        const int value = int(radios.size());
        radio->setObjectName(qstr(f.name) + '=' + QString::number(value));
        radio->setToolTip(qstr(option.help));
        radio->setAccessibleDescription(qstr(option.help));
        if (!option.spokenName.empty())
            radio->setAccessibleName(qstr(option.spokenName));
        group->addButton(radio, value);
        radios.push_back(radio);
    }
    return radios;
}

void FieldForm::showChoice(QButtonGroup* group, int value) {
    if (QAbstractButton* b = group->button(value)) {
        b->setChecked(true);
    } else if (QAbstractButton* checked = group->checkedButton()) {
        group->setExclusive(false); // the only way to leave an exclusive group empty
        checked->setChecked(false);
        group->setExclusive(true);
    }
}

std::optional<Refusal> FieldForm::readNumber(QLineEdit* edit, double& value) {
    const std::optional<double> v = parseDecimal(edit->text().toStdString());
    if (!v)
        return Refusal{edit, QStringLiteral("Please enter a number.")};
    value = *v;
    return std::nullopt;
}

void FieldForm::remember(const Field& f, QWidget* w) {
    m_rows[std::string(f.name)].push_back(w);
}

void FieldForm::enableField(std::string_view name, bool enable) const {
    if (const auto it = m_rows.find(name); it != m_rows.end()) {
        for (QWidget* w : it->second)
            w->setEnabled(enable);
    }
}

void FieldForm::show(const SimulationInputs& in) const {
    for (const Field& f : fields()) {
        if (f.group != m_group)
            continue;
        const QString name = qstr(f.name);
        if (auto* combo = m_page.findChild<QComboBox*>(name)) {
            combo->setCurrentIndex(in.*std::get<InputInt>(f.member));
        } else if (auto* box = m_page.findChild<QCheckBox*>(name)) {
            box->setChecked(in.*std::get<InputInt>(f.member) != 0);
        } else if (auto* note = m_page.findChild<QPlainTextEdit*>(name)) {
            note->setPlainText(QString::fromStdString(in.*std::get<InputText>(f.member)));
        } else if (auto* edit = m_page.findChild<QLineEdit*>(name)) {
            edit->setText(
                f.kind == FieldKind::Integer
                    ? QString::number(in.*std::get<InputInt>(f.member))
                    : QString::fromStdString(formatDecimal(in.*std::get<InputNumber>(f.member))));
        } else if (const auto it = m_choices.find(f.name); it != m_choices.end()) {
            showChoice(it->second, in.*std::get<InputInt>(f.member));
        }
    }
}

std::optional<Refusal> FieldForm::read(SimulationInputs& in, Reading reading) const {
    std::optional<Refusal> first;
    for (const Field& f : fields()) {
        if (f.group != m_group)
            continue;
        const QString name = qstr(f.name);
        if (auto* combo = m_page.findChild<QComboBox*>(name)) {
            in.*std::get<InputInt>(f.member) = combo->currentIndex();
        } else if (auto* box = m_page.findChild<QCheckBox*>(name)) {
            in.*std::get<InputInt>(f.member) = box->isChecked() ? 1 : 0;
        } else if (auto* note = m_page.findChild<QPlainTextEdit*>(name)) {
            const QString text = note->toPlainText();
            if (std::size_t(text.toUcs4().size()) > kMaxDescriptionChars) {
                first = first ? first
                              : Refusal{note, QStringLiteral("Please shorten the text to %1 "
                                                             "characters.")
                                                  .arg(kMaxDescriptionChars)};
                if (reading == Reading::StopAtRefusal)
                    return first;
                continue;
            }
            in.*std::get<InputText>(f.member) = text.toStdString();
        } else if (auto* edit = m_page.findChild<QLineEdit*>(name)) {
            const std::string text = edit->text().toStdString();
            if (f.kind == FieldKind::Integer) {
                const std::optional<int> v = parseWholeNumber(text);
                if (!v) {
                    first =
                        first ? first : Refusal{edit, QStringLiteral("Please enter an integer.")};
                    if (reading == Reading::StopAtRefusal)
                        return first;
                    continue;
                }
                in.*std::get<InputInt>(f.member) = *v;
            } else {
                if (auto refused = readNumber(edit, in.*std::get<InputNumber>(f.member))) {
                    first = first ? first : refused;
                    if (reading == Reading::StopAtRefusal)
                        return first;
                }
            }
        } else if (const auto it = m_choices.find(f.name); it != m_choices.end()) {
            in.*std::get<InputInt>(f.member) = it->second->checkedId();
        }
    }
    return first;
}

} // namespace hydrolofter
