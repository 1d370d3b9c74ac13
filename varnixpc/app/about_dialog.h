// The About box.
#pragma once

#include "framework/dialog.h"

class CAboutDlg : public Dialog {
  public:
    explicit CAboutDlg(HWND parent);
};
