// The input dialogs, for the main window's command dispatch. Each runs
// through RunDialog with its template name and procedure, for example
//
//     CurrentDialogParams.titleId = IDS_SEASONS;
//     RunDialog("DIAL_YEAR_RANGE", YearRangeDialogProc);
//     if (DialogCancelled == 0) { ... CurrentDialogParams.year, .stopYear ... }
//
// Before a dialog with the caller's title runs, the caller sets
// CurrentDialogParams.titleId; before DIAL_PLANETS, also includeEarth,
// showMonthFields and showDistance. Every dialog answers kHelpRequestMessage
// (dialog_controls.h) by opening its help topic.
#pragma once

#include "settings/star_list.h"

#include <windows.h>

// "DIAL_YEAR", "DIAL_YEAR_MONTH", "DIAL_YEAR_MR", "DIAL_YEAR_RANGE"
INT_PTR CALLBACK YearDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK YearMonthDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK YearMonthRangeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK YearRangeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// "DIAL_PLANETS", "DIAL_PLANET_ANGLE", "DIAL_PLANET_APSIDES"
INT_PTR CALLBACK PlanetsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK PlanetAngleDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK PlanetApsidesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// "DIAL_JM_GRAPH", "DIAL_JM_MOVIES"
INT_PTR CALLBACK JupiterMoonsGraphDialogProc(HWND dialog, UINT message, WPARAM wParam,
                                             LPARAM lParam);
INT_PTR CALLBACK JupiterMoonsMovieDialogProc(HWND dialog, UINT message, WPARAM wParam,
                                             LPARAM lParam);

// "DIAL_EC_MOVIES" (title 64 "Ecliptic Side" hides the view angle)
INT_PTR CALLBACK EclipticMovieDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// "DIAL_DN_MOVIE"
INT_PTR CALLBACK DayNightMovieDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// "DIAL_BS_MOVIE". A star name the list refuses ends the dialog with -1.
INT_PTR CALLBACK BinaryStarMovieDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// "DIAL_PL_MOVIE". Its star list comes from the star catalogue, which the
// main window hands over after loading it: one record per catalogue star, in
// catalogue order (the pointer is kept, not copied; pass nullptr, 0 when the
// catalogue is freed). A list of other than 284 named stars is the fatal
// internal error when the dialog opens; a name the list refuses ends the
// dialog with -1.
void SetPlanetariumStars(const StarNameRecord* stars, int count);
INT_PTR CALLBACK PlanetariumMovieDialogProc(HWND dialog, UINT message, WPARAM wParam,
                                            LPARAM lParam);
