// Moves values between a page's controls and its fields, in either direction.
#pragma once

#include <cstddef>
#include <string>

class QString;
class QWidget;

namespace hydrolofter {

class PropertyPage;

/// One pass of a page's exchangeData. Saving (controls to fields) stops at the first
/// control whose text is not a number: the user is told (unless quiet), and that control
/// is remembered so that the page can put the focus on it; later calls do nothing.
class DataExchange {
public:
    DataExchange(PropertyPage& page, bool save, bool quiet = false)
        : page_(page), save_(save), quiet_(quiet) {}

    bool saving() const { return save_; }
    bool failed() const { return failedControl_ != nullptr; }
    QWidget* failedControl() const { return failedControl_; }

    void number(int id, double& value);
    void integer(int id, int& value);
    /// Free text; longer than maxChars characters is refused.
    void text(int id, std::string& value, std::size_t maxChars);
    void check(int id, int& value);
    /// The index of the checked radio button of the group starting at firstId (-1: none).
    void radio(int firstId, int& value);
    void slider(int id, int& value);
    /// The selected entry of a drop-down (-1: none).
    void listIndex(int id, int& value);

private:
    void refuse(QWidget* control, const QString& message);

    PropertyPage& page_;
    bool save_;
    bool quiet_;
    QWidget* failedControl_ = nullptr;
};

} // namespace hydrolofter
