// The framework's message box: the text, an OK button and the exclamation
// icon, owned by the application's main window.
#pragma once

#include <windows.h>

#include <string>

void ShowMessage(const std::string& text);

// The same for a string resource.
void ShowMessage(UINT stringId);
