// Moves values between a page's controls and its fields, in either direction.
#pragma once

#include <string>

class QWidget;

namespace hydrolofter {

class PropertyPage;

/// One pass of a page's exchangeData. Saving (controls to fields) stops at the first
/// control whose text is not a number: the user is told, and that control is remembered
/// so that the page can put the focus on it; later calls do nothing.
class DataExchange {
public:
    DataExchange(PropertyPage& page, bool save) : page_(page), save_(save) {}

    bool saving() const { return save_; }
    bool failed() const { return failedControl_ != nullptr; }
    QWidget* failedControl() const { return failedControl_; }

    void number(int id, double& value);
    void integer(int id, int& value);
    void text(int id, std::string& value);
    void check(int id, int& value);
    /// The index of the checked radio button of the group starting at firstId (-1: none).
    void radio(int firstId, int& value);
    void slider(int id, int& value);
    /// The selected entry of a drop-down (-1: none).
    void listIndex(int id, int& value);

private:
    void refuse(QWidget* control, const char* message);

    PropertyPage& page_;
    bool save_;
    QWidget* failedControl_ = nullptr;
};

} // namespace hydrolofter
