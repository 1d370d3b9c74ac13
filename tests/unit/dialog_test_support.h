// A dialog's controls as fixed values, for the rules the dialogs apply when
// OK is pressed.
#pragma once

#include "settings/dialog_checks.h"

#include <map>
#include <set>
#include <stdexcept>
#include <string>

class FakeDialogFields : public DialogFields {
  public:
    FakeDialogFields& Set(int control, const std::string& text) {
        texts_[control] = text;
        return *this;
    }
    FakeDialogFields& Check(int control, bool checked = true) {
        if (checked) {
            checked_.insert(control);
        } else {
            checked_.erase(control);
        }
        return *this;
    }
    FakeDialogFields& Select(int control, int itemData) {
        selections_[control] = itemData;
        return *this;
    }

    // A control the dialog has no text for is a fault of the rules under
    // test (the real dialog would stop with "Dialog box error").
    std::string Text(int control) const override {
        const auto it = texts_.find(control);
        if (it == texts_.end()) {
            throw std::logic_error("no text control " + std::to_string(control));
        }
        return it->second;
    }
    bool Checked(int control) const override { return checked_.count(control) != 0; }
    int SelectedItem(int control) const override {
        const auto it = selections_.find(control);
        return it == selections_.end() ? -1 : it->second;
    }

  private:
    std::map<int, std::string> texts_;
    std::set<int> checked_;
    std::map<int, int> selections_;
};
