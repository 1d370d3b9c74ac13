// The services every part of the Windows shell uses: the error boxes and the
// fatal-error exit, the modal-dialog runner with the help request dialogs
// answer, the data files beside the executable, and the platform test that
// picks the settings store.
#pragma once

#include "resources/string_ids.h"

#include <windows.h>

#include <cstddef>
#include <cstdio>

// Exit code of a program ended by a fatal error.
constexpr UINT kFatalExitCode = 1;

// Message the main window posts to an open dialog when F1 is pressed: the
// dialog opens help at its own context.
constexpr UINT kHelpRequestMessage = WM_USER + 1;

// Task-modal box with the exclamation icon and an OK button showing string
// messageId, captioned "Skyloom 2 - Fatal error" (IDS_FATAL_ERROR_CAPTION) when
// fatal, else "Skyloom 2 - Error" (IDS_ERROR_CAPTION). Returns when the user closes it.
void ErrorBox(HWND owner, int messageId, bool fatal);

// Shows the fatal box of messageId, then an information box with the failing
// module and line ("%s/%ld"), and ends the process with kFatalExitCode. The
// calling thread dispatches nothing meanwhile, so no message handler can run
// (and fail again) while the boxes are up; a second fatal error that still
// gets here ends the process at once.
[[noreturn]] void ShellFatalError(int messageId, const char* module, long line);

// Runs dialog template templateName from the program's resources as a modal
// dialog owned by owner, passing parameter to WM_INITDIALOG; returns what the
// dialog ended with. A dialog that cannot be created is fatal IDS_CANNOT_CREATE_DIALOG (module
// WIN_UTIL); so a dialog must never end itself with -1.
INT_PTR RunDialog(HWND owner, const char* templateName, DLGPROC procedure, LPARAM parameter = 0);

// Opens help at context number for a dialog or the main window. The help
// window installs the handler; false when none is installed or help could not
// be started, which callers turn into fatal IDS_HELP_ERROR.
using HelpContextHandler = bool (*)(HWND owner, int context);
void SetHelpContextHandler(HelpContextHandler handler);
bool ShowHelpContext(HWND owner, int context);

// Marks a platform common dialog (colour, font, printer) as open for its
// lifetime, so the main window does not post help requests meanwhile.
class CommonDialogScope {
  public:
    CommonDialogScope();
    ~CommonDialogScope();
    CommonDialogScope(const CommonDialogScope&) = delete;
    CommonDialogScope& operator=(const CommonDialogScope&) = delete;
};
bool CommonDialogOpen();

// The wait cursor for the lifetime of the object (the hourglass of slow
// settings and printing work); the previous cursor comes back afterwards.
class HourglassCursor {
  public:
    HourglassCursor();
    ~HourglassCursor();
    HourglassCursor(const HourglassCursor&) = delete;
    HourglassCursor& operator=(const HourglassCursor&) = delete;

  private:
    HCURSOR previous_;
};

// Full path of fileName in the executable's directory, into path (size bytes,
// at least MAX_PATH). An executable path that does not fit MAX_PATH, has no
// directory, or a result that does not fit is fatal IDS_INTERNAL_ERROR (module FILES).
void DataFilePath(const char* fileName, char* path, std::size_t size);

// Opens the data file fileName with the standard-library mode string; nullptr
// when it cannot be opened.
std::FILE* OpenDataFile(const char* fileName, const char* mode);

// True on 16-bit Windows hosts of 32-bit programs (not NT, major version
// below 4), where settings go to CAELOR.INI instead of the registry.
bool IsLegacyWin32Platform();
