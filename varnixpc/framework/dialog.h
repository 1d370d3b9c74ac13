// Modal dialogs from templates, with data exchange between the dialog's
// controls and the object's members.
#pragma once

#include <windows.h>

#include <string>

// One pass of data exchange: loading members into controls, or saving the
// controls into members with validation.
class DataExchange {
  public:
    DataExchange(HWND dialog, bool saving) : dialog_(dialog), saving_(saving) {}

    bool Saving() const { return saving_; }
    bool Failed() const { return failed_; }

    // An edit field and a string of at most maxLength characters. Loading
    // also limits what the user can type; saving a longer text fails with a
    // message and puts the focus on the field.
    void Text(int id, std::string& value, int maxLength);
    // A check box and an integer flag (non-zero is checked).
    void Check(int id, int& value);

  private:
    HWND dialog_;
    bool saving_;
    bool failed_ = false;
};

class Dialog {
  public:
    Dialog(int templateId, HWND parent) : templateId_(templateId), parent_(parent) {}
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog; IDOK, IDCANCEL or another end code, -1 on failure.
    INT_PTR DoModal();

    HWND Handle() const { return hwnd_; }

    // Loads (save = false) or saves the members; false when validation
    // failed.
    bool UpdateData(bool save);

  protected:
    virtual void DoDataExchange(DataExchange&) {}
    // Loads the members; true to let the platform set the focus.
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // True when the command was handled.
    virtual bool OnCommand(WORD, WORD) { return false; }
    void EndDialog(INT_PTR result);

    // Replaces the dialog's font by the same font with another weight.
    void SetFontWeight(int weight);

    // Draws an empty owner-drawn text field as an etched line: dark grey
    // two pixels above its bottom edge, white one pixel above it.
    static void DrawEtchedLine(const DRAWITEMSTRUCT& item);

  private:
    static INT_PTR CALLBACK StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam);

    int templateId_;
    HWND parent_;
    HWND hwnd_ = nullptr;
    HFONT font_ = nullptr;
};
