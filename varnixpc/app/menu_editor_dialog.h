// CMenuEditorDlg: lists the program menu's items and adds, edits and
// deletes them. Changes go straight into the menu; OK also saves it.
#pragma once

#include "core/menu_file.h"
#include "framework/dialog.h"

#include <vector>

class CMenuEditorDlg : public Dialog {
  public:
    CMenuEditorDlg(HWND parent, std::vector<ProgramItem>& menu);

  protected:
    bool OnInitDialog() override;
    bool OnCommand(WORD id, WORD code) override;

  private:
    void FillList();
    // The program-menu index of the selected row; -1 when none.
    int SelectedItem() const;
    void Add();
    void Edit();
    void Delete();

    std::vector<ProgramItem>& menu_;
};
