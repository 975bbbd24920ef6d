// The controls of one group of inputs, made from the field table and laid out by Qt: each
// box a grid of caption, edit and unit; the notes below. Values move in two named
// directions: a record shown in the controls, the controls read into a record.
#pragma once

#include "runs/FieldTable.h"

#include <QString>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QBoxLayout;
class QButtonGroup;
class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace hydrolofter {

/// A control whose text could not be read, and why.
struct Refusal {
    QWidget* control;
    QString message;
};

class FieldForm {
public:
    /// Boxes side by side (the rocket page) or one above the other.
    enum class Boxes { SideBySide, Stacked };

    /// Makes the group's controls as children of page and puts them into layout: the
    /// boxes, then the notes. Each control's object name is its field's name.
    FieldForm(FieldGroup group, QWidget& page, QBoxLayout& layout, Boxes boxes);

    /// Shows the record's values and unit selections in the controls.
    void show(const SimulationInputs& inputs) const;
    /// Whether reading stops at the first text that cannot be read (committing a page) or
    /// reads every other field and leaves that one (remembering what the page shows).
    enum class Reading { StopAtRefusal, PassOverRefused };
    /// Reads the controls into the record in page order; returns the first refusal.
    std::optional<Refusal> read(SimulationInputs& inputs,
                                Reading reading = Reading::StopAtRefusal) const;

    /// Enables or disables a field's whole row: caption, edit, unit, arrows and hint.
    void enableField(std::string_view name, bool enable) const;

    /// A field's edit box, named, with its tooltip and spoken name.
    static QLineEdit* makeEdit(const Field& f, QWidget* parent);
    /// A choice's radio buttons in a new button group, each button's id its value.
    static std::vector<QRadioButton*> makeOptions(const Field& f, QWidget* parent);
    /// The caption label of a field, the buddy of its control.
    static QLabel* makeCaption(const Field& f, QWidget* buddy, QWidget* parent);
    /// Reads a number edit; nullopt (and the refusal) when its text is not a number.
    static std::optional<Refusal> readNumber(QLineEdit* edit, double& value);
    /// Selects the button of the value in a choice's group, or none.
    static void showChoice(QButtonGroup* group, int value);

private:
    void makeBoxes(QBoxLayout& layout, Boxes boxes);
    void makeNote(const Field& f, QBoxLayout& layout);
    /// The widgets of one field in a box's grid at row; returns the rows it took.
    int place(const Field& f, QGridLayout& grid, int row, int column, bool besideOption);
    QWidget* unitControl(const Field& f);
    void remember(const Field& f, QWidget* w);

    FieldGroup m_group;
    QWidget& m_page;
    std::map<std::string, std::vector<QWidget*>, std::less<>> m_rows;
    std::map<std::string, QButtonGroup*, std::less<>> m_choices;
};

} // namespace hydrolofter
