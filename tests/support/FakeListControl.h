// A plain in-memory drop-down for testing the core's list operations.
#pragma once

#include "units/ListControl.h"

#include <string>
#include <vector>

namespace hydrolofter::test {

class FakeListControl : public ListControl {
public:
    void addString(const std::string& text) override { items.push_back(text); }
    void reset() override {
        items.clear();
        selected = -1;
    }
    void setSelection(int index) override { selected = index >= 0 && index < count() ? index : -1; }
    int selection() const override { return selected; }
    int count() const override { return static_cast<int>(items.size()); }

    std::vector<std::string> items;
    int selected = -1;
};

} // namespace hydrolofter::test
