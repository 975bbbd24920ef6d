// The drop-down list interface that the core fills; the window supplies a combo box.
#pragma once

#include <string>

namespace hydrolofter {

/// A non-editable drop-down list: strings in insertion order and one optional selection.
class ListControl {
public:
    virtual ~ListControl() = default;
    virtual void addString(const std::string& text) = 0;
    /// Removes every entry; nothing is selected afterwards.
    virtual void reset() = 0;
    /// Selects entry index; -1 (or any index outside the list) selects nothing.
    virtual void setSelection(int index) = 0;
    /// The selected index, or -1 when nothing is selected.
    virtual int selection() const = 0;
    virtual int count() const = 0;
};

} // namespace hydrolofter
