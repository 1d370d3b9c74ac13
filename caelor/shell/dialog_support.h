// The shell services the dialogs call: error boxes, the dialog runner, data
// files and help. Declared here, implemented by the error-reporting and help
// modules of the shell; FatalError comes from reports/host_hooks.h.
#pragma once

#include "reports/host_hooks.h"

#include <windows.h>

#include <cstddef>
#include <cstdio>

// Message box with string messageId, captioned "Skyloom 2 - Fatal error"
// when fatal is 1, else "Skyloom 2 - Error"; task-modal, exclamation icon,
// owned by owner.
int ErrorBox(HWND owner, int messageId, int fatal);

// Runs the named dialog template modally, owned by the main window; returns
// the dialog's result. A dialog that cannot be created is fatal 698.
INT_PTR RunDialog(const char* templateName, DLGPROC procedure);

// Path of a file beside the executable into path (size bytes); false when
// it does not fit.
bool DataFilePath(const char* fileName, char* path, size_t size);

// Opens a file beside the executable with a standard-library mode; nullptr
// when it cannot be opened.
FILE* OpenDataFile(const char* fileName, const char* mode);

// Opens help at a context number of the help file, for a dialog's help
// request; false when help could not be started.
bool ShowHelpTopic(HWND owner, int topic);
