#include "shell/errors.h"

#include "resources/string_table.h"
#include "settings/data_file_path.h"
#include "settings/platform_version.h"

namespace {

constexpr int kMessageSize = 256;

HelpContextHandler g_helpHandler = nullptr;
int g_commonDialogsOpen = 0;

} // namespace

void ErrorBox(HWND owner, int messageId, bool fatal) {
    char caption[kMessageSize];
    char text[kMessageSize];
    LoadText(fatal ? IDS_FATAL_ERROR_CAPTION : IDS_ERROR_CAPTION, caption, sizeof caption);
    LoadText(messageId, text, sizeof text);
    MessageBoxA(owner, text, caption, MB_TASKMODAL | MB_ICONEXCLAMATION | MB_OK);
}

namespace {

struct FatalReport {
    int messageId;
    const char* module;
    long line;
};

DWORD WINAPI ShowFatalBoxes(LPVOID parameter) {
    const FatalReport& report = *static_cast<const FatalReport*>(parameter);
    ErrorBox(nullptr, report.messageId, true);
    char where[kMessageSize];
    std::snprintf(where, sizeof where, "%s/%ld", report.module, report.line);
    MessageBoxA(nullptr, where, "", MB_TASKMODAL | MB_ICONINFORMATION | MB_OK);
    return 0;
}

} // namespace

void ShellFatalError(int messageId, const char* module, long line) {
    static LONG reporting = 0;
    if (InterlockedExchange(&reporting, 1) == 0) {
        FatalReport report{messageId, module, line};
        // The boxes run on a thread of their own while this one waits without
        // dispatching posted messages: the failing window's timer ticks and
        // repaints would otherwise run inside the boxes and fail again.
        HANDLE boxes = CreateThread(nullptr, 0, ShowFatalBoxes, &report, 0, nullptr);
        if (boxes != nullptr) {
            // Messages other threads send (activation moving to the boxes) are
            // still answered, so the boxes never wait on this thread.
            while (MsgWaitForMultipleObjects(1, &boxes, FALSE, INFINITE, QS_SENDMESSAGE) !=
                   WAIT_OBJECT_0) {
                MSG message;
                PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
            }
            CloseHandle(boxes);
        } else {
            ShowFatalBoxes(&report);
        }
    }
    ExitProcess(kFatalExitCode);
}

INT_PTR RunDialog(HWND owner, const char* templateName, DLGPROC procedure, LPARAM parameter) {
    const INT_PTR result =
        DialogBoxParamA(GetModuleHandleA(nullptr), templateName, owner, procedure, parameter);
    if (result == -1) {
        ShellFatalError(IDS_CANNOT_CREATE_DIALOG, "WIN_UTIL", __LINE__);
    }
    return result;
}

void SetHelpContextHandler(HelpContextHandler handler) {
    g_helpHandler = handler;
}

bool ShowHelpContext(HWND owner, int context) {
    return g_helpHandler != nullptr && g_helpHandler(owner, context);
}

CommonDialogScope::CommonDialogScope() {
    ++g_commonDialogsOpen;
}

CommonDialogScope::~CommonDialogScope() {
    --g_commonDialogsOpen;
}

bool CommonDialogOpen() {
    return g_commonDialogsOpen > 0;
}

HourglassCursor::HourglassCursor() {
    previous_ = SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    ShowCursor(TRUE);
}

HourglassCursor::~HourglassCursor() {
    ShowCursor(FALSE);
    SetCursor(previous_);
}

void DataFilePath(const char* fileName, char* path, std::size_t size) {
    char executableName[MAX_PATH];
    LoadText(IDS_EXECUTABLE_NAME, executableName, sizeof executableName);
    // The executable's own module; a null handle names the same module.
    HMODULE module = GetModuleHandleA(executableName);
    char modulePath[MAX_PATH];
    const DWORD length = GetModuleFileNameA(module, modulePath, MAX_PATH);
    // A length of MAX_PATH means the path was cut to fit.
    if (length == 0 || length >= MAX_PATH) {
        ShellFatalError(IDS_INTERNAL_ERROR, "FILES", __LINE__);
    }
    if (JoinDataFilePath(modulePath, fileName, path, size) != DataFilePathResult::kOk) {
        ShellFatalError(IDS_INTERNAL_ERROR, "FILES", __LINE__);
    }
}

std::FILE* OpenDataFile(const char* fileName, const char* mode) {
    char path[MAX_PATH];
    DataFilePath(fileName, path, sizeof path);
    return std::fopen(path, mode);
}

bool IsLegacyWin32Platform() {
    return IsLegacyWin32Version(DecodePlatformVersion(GetVersion()));
}
