// The Set Location dialog ("DIAL_SET_LOCATION"): pick a place from the city
// database or type a new one. OK stores the place in the database and makes
// it the observer's; Save also writes the database; Cancel changes nothing.
// The dialog sets DialogCancelled (0 after OK or Save, 1 after Cancel).
#pragma once

#include "engine/location.h"

#include <windows.h>

// Runs the dialog on a working copy of the observer's place and copies the
// working copy back (unchanged after Cancel).
void RunSetLocationDialog(HWND owner, Location& observer);

INT_PTR CALLBACK SetLocationDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
