// A tab of the property sheet whose controls are placed by a dialog template.
#pragma once

#include "DialogTemplate.h"
#include "PropertyPage.h"

#include <QFontMetrics>
#include <functional>
#include <map>
#include <vector>

class QButtonGroup;

namespace hydrolofter {

/// Builds its controls from a template (dialog units become pixels through the dialog
/// font, so the proportions hold at any font size) and finds them by id.
class TemplatePage : public PropertyPage {
    Q_OBJECT
public:
    /// Makes the widget of a frame control (a graph area); nullptr or none: a black frame.
    using FrameFactory = std::function<QWidget*(const ControlSpec&, QWidget* parent)>;

    explicit TemplatePage(const DialogTemplate& dialog, FrameFactory frames = {},
                          QWidget* parent = nullptr);

    const DialogTemplate& dialogTemplate() const { return dialog_; }

    /// The control with this id (the first one, for ids shared by labels).
    QWidget* controlWidget(int id) const;
    template <class T> T* control(int id) const { return qobject_cast<T*>(controlWidget(id)); }
    using PropertyPage::control;
    using PropertyPage::controlWidget;
    /// The button group whose first radio button has this id.
    QButtonGroup* radioGroup(int firstId) const;
    void enableControl(int id, bool enable);
    void showControl(int id, bool show);

    /// Pixels of a length in horizontal or vertical dialog units.
    int dluToPixelsX(int x) const;
    int dluToPixelsY(int y) const;

private:
    void build();
    /// Accessible names from captions, unit drop-downs' help, and the template's help.
    void nameControls(const std::vector<QWidget*>& made);
    static bool isInput(ControlKind kind);
    QFontMetrics radioFontMetrics() const;
    double captionFit(const QFontMetrics& fm) const;

    const DialogTemplate& dialog_;
    FrameFactory frames_;
    std::map<int, QWidget*> controls_;
    std::map<int, QButtonGroup*> radioGroups_;
    int charWidth_ = 0;
    int lineHeight_ = 0;
    double widthScale_ = 1;
};

} // namespace hydrolofter
