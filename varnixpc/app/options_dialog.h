// COptionsDlg: the settings of the profile file as check boxes.
#pragma once

#include "framework/dialog.h"

class COptionsDlg : public Dialog {
  public:
    explicit COptionsDlg(HWND parent);

    int twelveHour = 1;
    int onTop = 1;
    int useIcons = 1;
    int compensate = 1;
    int threeD = 1;
    int shellDetected = 0; // not shown; "Adjust for TaskBar" needs a shell

  protected:
    void DoDataExchange(DataExchange& dx) override;
    bool OnInitDialog() override;
};
