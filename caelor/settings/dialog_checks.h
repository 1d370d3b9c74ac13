// The checks the input dialogs make before they accept their values, as pure
// functions. The Check* functions return the message to show, or nullptr when
// the value passes; caelor-cli makes the same checks with the same messages.
// The dialogs read their controls through DialogFields and report a refused
// value as a FieldError: the message, and the control that gets the focus.
#pragma once

#include "settings/bit_set.h"
#include "settings/dialog_messages.h"

#include <string>

// The ranges of the common fields, both ends allowed.
struct IntegerRange {
    int minimum;
    int maximum;
    DialogMessage message;
};
constexpr IntegerRange kYearRange = {1000, 3000, DialogMessage::kYearRange};
constexpr IntegerRange kBinaryStarYearRange = {-4000, 32000, DialogMessage::kBinaryStarYearRange};
constexpr IntegerRange kMonthRange = {1, 12, DialogMessage::kMonthRange};
constexpr IntegerRange kDayRange = {1, 31, DialogMessage::kDayRange};
constexpr IntegerRange kHourRange = {0, 23, DialogMessage::kHourRange};
constexpr IntegerRange kMinuteRange = {0, 59, DialogMessage::kMinuteRange};
constexpr IntegerRange kTimeSpeedRange = {-64, 64, DialogMessage::kTimeSpeedRange};
constexpr IntegerRange kViewAngleRange = {5, 90, DialogMessage::kViewAngleRange};

// 1000 .. 3000.
const char* CheckYear(int year);
// 1 .. 12.
const char* CheckMonth(int month);
// Start and stop of a range, each checked, then the order.
const char* CheckYearRange(int startYear, int stopYear);
const char* CheckMonthRange(int startMonth, int stopMonth);
// At least one body of first .. last in the set.
const char* CheckPlanetChosen(BitSet planets, int first, int last);

// What a dialog's OK handler reads from its controls. The Windows shell
// reads the dialog's controls; tests give fixed values.
class DialogFields {
  public:
    virtual ~DialogFields() = default;
    // The control's text, at most 80 characters.
    virtual std::string Text(int control) const = 0;
    // Whether a check box or radio button is checked.
    virtual bool Checked(int control) const = 0;
    // The item data of the selected item of a list, -1 when none is selected.
    virtual int SelectedItem(int control) const = 0;
};

// A refused input: the message to show and the control that gets the focus
// (with its whole text selected when selectText is set). control 0: no
// error.
struct FieldError {
    int control = 0;
    DialogMessage message = DialogMessage::kNone;
    bool selectText = false;

    explicit operator bool() const { return control != 0; }
};

inline FieldError NoFieldError() {
    return FieldError{};
}
inline FieldError TextFieldError(int control, DialogMessage message) {
    return FieldError{control, message, true};
}
inline FieldError ButtonFieldError(int control, DialogMessage message) {
    return FieldError{control, message, false};
}

// A whole signed decimal integer: blanks around it, one optional sign, at
// least one digit, nothing else, and a value that fits an int.
bool ParseDialogInteger(const std::string& text, int& value);

// One entry of the shared integer check.
struct IntegerField {
    int control;
    IntegerRange range;
    int value; // filled when every entry of the table passes
};

// Reads each entry's control in order: a text that is not an integer gives
// "Invalid number", a value outside the range the entry's message; either
// way the checking stops there and the error (text selected) is returned.
// When all pass, every entry's value is filled.
FieldError CheckIntegerFields(const DialogFields& fields, IntegerField* table, int count);

template <int N>
FieldError CheckIntegerFields(const DialogFields& fields, IntegerField (&table)[N]) {
    return CheckIntegerFields(fields, table, N);
}
