#include "app/about_dialog.h"

#include "app/resource.h"

CAboutDlg::CAboutDlg(HWND parent) : Dialog(IDD_ABOUT, parent) {}
