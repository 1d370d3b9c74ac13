// The program's city database: loaded from CITIES.DAT beside the program
// while the main window is created, edited by the Set Location dialog, saved
// by its "Save" button or on the question at exit, freed at exit.
#pragma once

#include "engine/location.h"
#include "settings/city_database.h"

#include <windows.h>

// Loads CITIES.DAT and sets the observer's place from its current entry. A
// file that cannot be read shows "Cannot load city location database" and
// leaves the single entry "No name".
void LoadCityDatabase(HWND owner, Location& observer);

// Saves through CITIES.NEW (the hourglass shown meanwhile); a failure shows
// its message and keeps the old CITIES.DAT. True when saved.
bool SaveCityDatabase(HWND owner);

// On the main window's exit and close paths: when the database was
// modified, asks "Save city location database?" and saves on Yes.
void AskToSaveCityDatabase(HWND owner);

// Releases the entries (at exit and when the main window is destroyed).
void FreeCityDatabase();

// The database itself, for the Set Location dialog.
CityDatabase& ProgramCityDatabase();
