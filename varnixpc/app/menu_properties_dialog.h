// CMenuPropertiesDlg: the four fields of one program-menu item, with a
// Browse button for the file.
#pragma once

#include "framework/dialog.h"

#include <string>

class CMenuPropertiesDlg : public Dialog {
  public:
    explicit CMenuPropertiesDlg(HWND parent);

    std::string title;
    std::string file;
    std::string commandLine;
    std::string directory;

  protected:
    void DoDataExchange(DataExchange& dx) override;
    bool OnInitDialog() override;
    bool OnCommand(WORD id, WORD code) override;

  private:
    void Browse();
};
