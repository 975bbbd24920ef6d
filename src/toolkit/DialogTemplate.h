// Dialog templates: a page's controls as a constant table, laid out in dialog units.
#pragma once

#include <span>

namespace hydrolofter {

enum class ControlKind {
    GroupBox,
    Label,
    Edit,     ///< single-line number or text; MultiLine for a description box
    ComboBox, ///< non-editable drop-down list
    CheckBox,
    Radio,
    PushButton,
    Spin,     ///< arrows attached to the edit just before it in the table
    Slider,   ///< horizontal, a tick at every position
    Progress, ///< 0..100, no text
    Frame,    ///< black frame
    Picture,  ///< a static picture
};

/// Style flags of a control.
enum ControlStyle : unsigned {
    Disabled = 1u << 0,
    Hidden = 1u << 1,
    MultiLine = 1u << 2,
    ReadOnly = 1u << 3,
    DigitsOnly = 1u << 4,
    Centred = 1u << 5,
    GroupStart = 1u << 6, ///< the first radio button of a group
};

/// Labels and group boxes that nothing refers to have id 0.
struct ControlSpec {
    int id;
    ControlKind kind;
    const char* caption;
    int x, y, width, height; ///< dialog units
    unsigned style = 0;
};

/// Help on one control: its tooltip (what it is, its usual range, what surprises people)
/// and, where its caption does not say it, the name a screen reader gives it.
struct ControlHelp {
    int id;
    const char* tip;
    const char* name = nullptr;
};

struct DialogTemplate {
    int id;
    const char* caption;
    int width, height; ///< dialog units
    std::span<const ControlSpec> controls;
    std::span<const ControlHelp> help = {};
};

} // namespace hydrolofter
