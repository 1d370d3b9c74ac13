#include "framework/message_box.h"

#include "framework/application.h"
#include "framework/window.h"

// The caption is the application's title resource: never the bar's own
// title, so that the bar stays the one window of that name.
constexpr UINT kCaptionId = 1;

void ShowMessage(const std::string& text) {
    HWND owner = nullptr;
    Application* app = Application::Instance();
    if (app != nullptr && app->MainWindow() != nullptr) {
        owner = app->MainWindow()->Handle();
    }
    HWND active = GetActiveWindow();
    if (active != nullptr) {
        owner = active;
    }
    const std::string caption = LoadResourceString(kCaptionId);
    MessageBoxA(owner, text.c_str(), caption.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void ShowMessage(UINT stringId) {
    ShowMessage(LoadResourceString(stringId));
}
