// A page that holds one group of the inputs: the rocket, the environment or the launch.
#pragma once

#include "FieldForm.h"
#include "designs/Design.h"
#include "runs/FieldTable.h"
#include "toolkit/PropertyPage.h"

#include <memory>
#include <optional>

namespace hydrolofter {

/// The Load, Save and Defaults buttons of a page that keeps its group as a design file; a
/// page without design files (files false) has Defaults alone.
struct DesignButtons {
    DesignKind kind;
    const char* defaultsCaption; ///< its mnemonic differs between pages
    const char* loadHelp;
    const char* saveHelp;
    const char* defaultsHelp;
    bool files = true;
};

/// Its group's controls come from the field table. Starts from the defaults of
/// SimulationInputs and copies that group into a record when a run starts. A page with
/// design buttons also loads, saves and resets its design, and knows whether it has changed
/// since.
class InputPage : public PropertyPage {
    Q_OBJECT
public:
    InputPage(const QString& caption, FieldGroup group, FieldForm::Boxes boxes,
              const std::optional<DesignButtons>& designs, QWidget* parent);
    ~InputPage() override;

    bool commit() override;
    QString unreadableField() override;

    /// Copies the committed values and the unit selections into the inputs.
    void fillInputs(SimulationInputs& inputs) const { copyGroup(m_group, m_inputs, inputs); }
    /// The page's fields as last committed (its group's part of the record).
    const SimulationInputs& inputs() const { return m_inputs; }

    /// The page's values as the controls show them, told nobody; a field whose text cannot
    /// be read keeps its last committed value.
    SimulationInputs shownInputs() const;
    /// Puts the page's group of inputs in place (from a flight file); the page is then
    /// unchanged, with no design file of its own.
    void applyInputs(const SimulationInputs& inputs);
    /// Reads the file into the page; a refused file is reported and changes nothing.
    bool loadDesign(const QString& path);
    /// Puts a design that was read into the page (path: the file's name as bytes, which
    /// need not be UTF-8); a refused one is reported and changes nothing.
    bool applyDesign(const DesignRead& design, const std::string& path);
    /// Asks for a file to save a design of this kind in; a name without the kind's suffix
    /// gets it while the kind's filter is chosen. Empty when the user cancelled.
    static QString askSavePath(QWidget* parent, DesignKind kind, const QString& suggested);
    /// Where the Load and Save dialogs open when the page has no file of its own yet: the
    /// folder of the file the user used last.
    /// Commits the page and writes it to path; false (and the user told) when a value is
    /// refused or the file cannot be written.
    bool saveDesign(const QString& path);
    /// The defaults back in place, after asking when the page has unsaved changes.
    void resetToDefaults();
    /// Changed since the last load, save or start.
    bool isModified() const { return controlState() != m_cleanState; }
    /// The file last loaded or saved; empty when none.
    QString designFile() const { return m_designFile; }
    std::optional<DesignKind> designKind() const { return m_designKind; }

signals:
    /// The page was changed, loaded, saved or reset: its caption or the title may change.
    void designStateChanged();

protected:
    /// Puts the defaults in place and shows them.
    void initialiseControls() override;
    /// Called after values were put in place from outside (a load, the defaults), so that
    /// a page can apply its enabling rules.
    virtual void afterValuesReplaced() {}
    const FieldForm& form() const { return *m_form; }

private:
    /// Every control's visible state in one string: equal strings, an unchanged page.
    QString controlState() const;
    void markClean(const QString& file);
    /// True when the page is unchanged or the user agrees to replace its changes.
    bool mayReplaceChanges(const QString& question);
    void onLoad();
    void onSave();

    void addDesignButtons(QBoxLayout& layout, const DesignButtons& designs);
    /// Shows the page's record in its controls.
    void showInputs();

    FieldGroup m_group;
    std::unique_ptr<FieldForm> m_form;
    SimulationInputs m_inputs;
    std::optional<DesignKind> m_designKind;
    QString m_designFile;
    QString m_defaultsName; ///< what Defaults asks about: "the rocket"
    QString m_cleanState;
};

} // namespace hydrolofter
