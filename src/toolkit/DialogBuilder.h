// Making a page's widgets from its template: one small function per kind of control.
#pragma once

#include "DialogTemplate.h"
#include "TemplatePage.h"

#include <QFontMetrics>
#include <QRect>
#include <map>
#include <utility>
#include <vector>

class QButtonGroup;
class QLabel;

namespace hydrolofter {

class DialogBuilder {
public:
    /// comboHeight: the closed drop-down's height (the template's height is the open list's).
    DialogBuilder(QWidget& page, const TemplatePage::FrameFactory& frames, QFontMetrics radioFont,
                  int comboHeight);

    /// The control's widget, a child of the page placed at rect, enabled and shown as the
    /// template says. Controls are made in template order.
    QWidget* make(const ControlSpec& control, QRect rect);

    /// The radio groups made so far, by the id of their first button.
    const std::map<int, QButtonGroup*>& radioGroups() const { return groups_; }
    /// Labels with a mnemonic and their index in the template.
    const std::vector<std::pair<QLabel*, std::size_t>>& mnemonics() const { return mnemonics_; }

private:
    QWidget* groupBox(const ControlSpec& c, const QString& caption);
    QWidget* label(const ControlSpec& c, const QString& caption);
    QWidget* edit(const ControlSpec& c);
    QWidget* comboBox(QRect& rect);
    QWidget* radio(const ControlSpec& c, const QString& caption, const QRect& rect);
    QWidget* pushButton(const QString& caption);
    QWidget* spin();
    QWidget* slider();
    QWidget* progress();
    QWidget* frame(const ControlSpec& c);

    QWidget& page_;
    const TemplatePage::FrameFactory& frames_;
    QFontMetrics radioFont_;
    int comboHeight_;
    std::size_t index_ = 0;
    QWidget* previous_ = nullptr;
    QButtonGroup* group_ = nullptr;
    std::map<int, QButtonGroup*> groups_;
    std::vector<std::pair<QLabel*, std::size_t>> mnemonics_;
};

} // namespace hydrolofter
