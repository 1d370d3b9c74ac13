#include "shell/shell_host.h"

#include "reports/message_pump.h"
#include "shell/errors.h"

void ShellReportHost::Attach(HWND mainWindow, HACCEL accelerators, const bool* resizedFlag) {
    mainWindow_ = mainWindow;
    accelerators_ = accelerators;
    resizedFlag_ = resizedFlag;
}

int ShellReportHost::PumpMessages(int mode) {
    MSG message;
    while (PumpKeepsDraining(mode, Resized()) && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Swallowing the quit here would leave the program running with
            // no window; hand it back to the main loop and end the work.
            PostQuitMessage(static_cast<int>(message.wParam));
            StopFlag = true;
            break;
        }
        if (mainWindow_ != nullptr && accelerators_ != nullptr &&
            TranslateAcceleratorA(mainWindow_, accelerators_, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return PumpVerdict(mode, StopFlag, Resized());
}

void ShellReportHost::FatalError(int messageId, const char* module, int line) {
    ShellFatalError(messageId, module, line);
}
