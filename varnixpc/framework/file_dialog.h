// The open-file dialog with the program's own template.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

class FileDialog {
  public:
    // filters: (name, pattern) pairs, shown as "name (pattern)"; the first
    // is selected. templateId names the program's dialog template; the
    // control hiddenControl of it is hidden and unchecked when it opens.
    FileDialog(std::string title, std::vector<std::pair<std::string, std::string>> filters,
               int templateId, int hiddenControl, DWORD flags);

    // IDOK with the chosen path, or IDCANCEL.
    INT_PTR DoModal(HWND owner);
    const std::string& PathName() const { return path_; }

  private:
    static UINT_PTR CALLBACK HookProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    std::string title_;
    std::vector<std::pair<std::string, std::string>> filters_;
    int templateId_;
    int hiddenControl_;
    DWORD flags_;
    std::string path_;
};
