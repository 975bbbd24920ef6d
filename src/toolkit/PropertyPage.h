// A tab of the property sheet, built from its dialog template.
#pragma once

#include "DialogTemplate.h"
#include "units/Units.h"

#include <QFontMetrics>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <vector>

class QButtonGroup;

namespace hydrolofter {

class DataExchange;

/// Builds its controls from a template (dialog units become pixels through the dialog
/// font, so the proportions hold at any font size), finds them by id, and exchanges data
/// between controls and fields.
class PropertyPage : public QWidget {
    Q_OBJECT
public:
    /// Makes the widget of a frame control (a graph area); nullptr or none: a black frame.
    using FrameFactory = std::function<QWidget*(const ControlSpec&, QWidget* parent)>;

    explicit PropertyPage(const DialogTemplate& dialog, FrameFactory frames = {},
                          QWidget* parent = nullptr);

    QString caption() const;
    const DialogTemplate& dialogTemplate() const { return dialog_; }

    /// Runs onInitDialog once; later calls do nothing.
    void initialise();
    bool isInitialised() const { return initialised_; }

    /// save: controls to fields; otherwise fields to controls. Returns false when a
    /// control held text that is not a number: the user has been told, the page is shown
    /// and the focus is in that control.
    bool updateData(bool save);
    /// The name of the first control whose text is not a number, told nobody; empty when
    /// every value can be read.
    QString unreadableField();
    /// Puts the focus back into the control last refused (a tab change by keyboard moves it
    /// to the tab bar after the page has placed it).
    void focusRefusedControl();

    /// The control with this id (the first one, for ids shared by labels).
    QWidget* controlWidget(int id) const;
    template <class T> T* control(int id) const { return qobject_cast<T*>(controlWidget(id)); }
    /// The button group whose first radio button has this id.
    QButtonGroup* radioGroup(int firstId) const;
    void enableControl(int id, bool enable);
    void showControl(int id, bool show);

    /// Pixels of a length in horizontal or vertical dialog units.
    int dluToPixelsX(int x) const;
    int dluToPixelsY(int y) const;

protected:
    /// A page that was not initialised at start-up is initialised when first shown.
    void showEvent(QShowEvent* event) override;
    /// Fills a unit drop-down with a family's units and selects one.
    void fillUnits(int comboId, UnitFamily family, int selected);
    virtual void onInitDialog() {}
    virtual void exchangeData(DataExchange&) {}

private:
    void build();
    /// Accessible names from captions, unit drop-downs' help, and the template's help.
    void nameControls(const std::vector<QWidget*>& made);
    static bool isInput(ControlKind kind);
    QFontMetrics radioFontMetrics() const;
    double captionFit(const QFontMetrics& fm) const;
    /// Shows this page in the sheet it belongs to.
    void reveal();

    const DialogTemplate& dialog_;
    FrameFactory frames_;
    std::map<int, QWidget*> controls_;
    std::map<int, QButtonGroup*> radioGroups_;
    int charWidth_ = 0;
    int lineHeight_ = 0;
    double widthScale_ = 1;
    bool initialised_ = false;
    QPointer<QWidget> refused_;
};

} // namespace hydrolofter
