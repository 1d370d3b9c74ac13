// What every input dialog does with its controls: reading them for the pure
// rules, filling them, showing a refused field, and the handling of OK,
// Cancel and the help request that all input dialogs share. A control that
// cannot be found, a focus that cannot be set or a dialog that cannot be
// ended is the fatal "Dialog box error" of the dialog's module.
#pragma once

#include "settings/dialog_checks.h"
#include "shell/errors.h"
#include "settings/dialog_params.h"

#include <windows.h>

#include <string>

// Module names of the fatal errors of the dialogs.
constexpr char kDialogModule[] = "DIAL";
constexpr char kLocationModule[] = "LOCATION";

// The controls of an open dialog, read through the pure rules' interface.
// Lists (list boxes and combo boxes) give the item data of their selection.
class DialogControls : public DialogFields {
  public:
    DialogControls(HWND dialog, const char* module) : dialog_(dialog), module_(module) {}
    std::string Text(int control) const override;
    bool Checked(int control) const override;
    int SelectedItem(int control) const override;

  private:
    HWND dialog_;
    const char* module_;
};

HWND DialogControl(HWND dialog, int control, const char* module);
void SetControlText(HWND dialog, int control, const std::string& text, const char* module);
// The dialog's title from the string table.
void SetDialogTitle(HWND dialog, int stringId, const char* module);
void ShowControl(HWND dialog, int control, bool show, const char* module);
void EnableControl(HWND dialog, int control, bool enable, const char* module);
void CheckControl(HWND dialog, int control, bool checked, const char* module);
void CheckRadio(HWND dialog, int first, int last, int checked, const char* module);
// Check box firstControl + (b - firstBit) shows bit b, for b = firstBit ..
// lastBit.
void SetToCheckBoxes(HWND dialog, BitSet set, int firstBit, int lastBit, int firstControl,
                     const char* module);
// Adds an item with its item data to a list box; false when the list is
// full.
bool AddListItem(HWND dialog, int control, const std::string& text, int data, const char* module);
// Selects the list box item whose data is given; none when no item has it.
void SelectListItem(HWND dialog, int control, int data, const char* module);

// Shows a message in the error box (ErrorBox): "Skyloom 2 - Error",
// task-modal, exclamation icon.
void ShowDialogMessage(HWND owner, DialogMessage message);

// Shows a refused field's message, puts the focus on the field and selects
// its text when asked.
void ShowFieldError(HWND dialog, const FieldError& error, const char* module);

// The five date and time fields (controls 113 .. 117), and the "Now" button
// that fills them from the clock without storing anything.
void ShowDateFields(HWND dialog, int day, int month, int year, int hour, int minute,
                    const char* module);
void ShowDateFieldsNow(HWND dialog, const char* module);

// Opens the dialog's help topic; a help call that fails is the fatal "Help
// error".
void AnswerHelpRequest(HWND dialog, int topic, const char* module);

// OK, Cancel and the help request of an input dialog. OK clears the
// cancelled flag and runs the dialog's rules on CurrentDialogParams: a
// refused field keeps the dialog open, else the dialog ends with 0. Cancel
// sets the flag and ends the dialog with 0, storing nothing. Returns true
// when the message was one of these.
using DialogAcceptRule = FieldError (*)(const DialogFields&, DialogParams&);
bool HandleInputDialogMessage(HWND dialog, UINT message, WPARAM wParam, DialogAcceptRule accept,
                              int helpTopic);
