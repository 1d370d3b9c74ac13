// CShellWarningDlg: the warning shown at start-up when another shell's
// taskbar is present.
#pragma once

#include "framework/dialog.h"

class CShellWarningDlg : public Dialog {
  public:
    explicit CShellWarningDlg(HWND parent);

    int dontShowAgain = 0;

  protected:
    void DoDataExchange(DataExchange& dx) override;
    bool OnInitDialog() override;
};
