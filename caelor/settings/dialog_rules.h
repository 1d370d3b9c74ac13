// What each input dialog accepts when OK is pressed, and the small rules its
// controls follow while it is open. Each Accept* function reads the dialog's
// controls through DialogFields, checks them in the dialog's order and
// either returns the first refused input (storing nothing) or stores the
// accepted values into the record and returns no error. Control numbers are
// those of resources/dialog_ids.h.
#pragma once

#include "settings/dialog_checks.h"
#include "settings/dialog_params.h"

// Help topics of the dialogs (context numbers of the help file).
constexpr int kHelpYear = 1015;
constexpr int kHelpYearMonth = 1016;
constexpr int kHelpYearMonthRange = 1017;
constexpr int kHelpYearRange = 1018;
constexpr int kHelpPlanets = 1008;
constexpr int kHelpPlanetAngle = 506;
constexpr int kHelpPlanetApsides = 407;
constexpr int kHelpJupiterMoonsGraph = 500;
constexpr int kHelpEclipticMovies = 602;
constexpr int kHelpJupiterMoonsMovies = 601;
constexpr int kHelpDayNightMovie = 603;
constexpr int kHelpBinaryStarMovie = 604;
constexpr int kHelpPlanetariumMovie = 600;

// The check boxes first control .. stand for the bits first bit .. last bit
// (bit b is control firstControl + b - firstBit). Returns the set with those
// bits as the boxes show them and every other bit unchanged.
BitSet ChecksToSet(const DialogFields& fields, BitSet set, int firstBit, int lastBit,
                   int firstControl);

// DIAL_YEAR: the year; day repair.
FieldError AcceptYearDialog(const DialogFields& fields, DialogParams& params);
// DIAL_YEAR_MONTH: year and month; day repair.
FieldError AcceptYearMonthDialog(const DialogFields& fields, DialogParams& params);
// DIAL_YEAR_MR: year, start and stop month (stop not before start); day
// repair.
FieldError AcceptYearMonthRangeDialog(const DialogFields& fields, DialogParams& params);
// DIAL_YEAR_RANGE: start and stop year (stop not before start); day repair.
FieldError AcceptYearRangeDialog(const DialogFields& fields, DialogParams& params);

// DIAL_PLANETS, with the caller's options in the record. The first body of
// its list (Earth when included, else Mercury) and whether the Earth box can
// be used (not while the distance is taken from the Earth).
int PlanetsFirstBody(const DialogParams& params);
bool PlanetsEarthBoxEnabled(const DialogParams& params, bool fromSunChosen);
FieldError AcceptPlanetsDialog(const DialogFields& fields, DialogParams& params);

// DIAL_PLANET_ANGLE: main planet buttons and other-planet boxes of a body.
int PlanetAngleMainButton(int body);
int PlanetAngleOtherBox(int body);
FieldError AcceptPlanetAngleDialog(const DialogFields& fields, DialogParams& params);

// DIAL_PLANET_APSIDES: start and stop year, Earth .. Saturn.
FieldError AcceptPlanetApsidesDialog(const DialogFields& fields, DialogParams& params);

// DIAL_JM_GRAPH: year, month, the moons and "Label Moons".
FieldError AcceptJupiterMoonsGraphDialog(const DialogFields& fields, DialogParams& params);

// DIAL_EC_MOVIES. The command "Ecliptic Side" (title 64) hides the view
// angle; it is still checked and stored.
bool EclipticMovieHidesViewAngle(const DialogParams& params);
FieldError AcceptEclipticMovieDialog(const DialogFields& fields, DialogParams& params);

// DIAL_JM_MOVIES.
FieldError AcceptJupiterMoonsMovieDialog(const DialogFields& fields, DialogParams& params);

// DIAL_DN_MOVIE: date, time and the day/night speed (buttons 106 .. 110).
FieldError AcceptDayNightMovieDialog(const DialogFields& fields, DialogParams& params);

// DIAL_BS_MOVIE: the ten binary stars (names from IDS_BINARY_STAR_NAME_FIRST); the
// list's item data is the star's number.
constexpr int kBinaryStarCount = 10;
int BinaryStarNameId(int star);
FieldError AcceptBinaryStarMovieDialog(const DialogFields& fields, DialogParams& params);

// DIAL_PL_MOVIE: the body buttons (body = control - 130; there is no Earth
// button), the view boxes as the sky set shows them, and the star list
// shown only while the body "Star" is chosen. The star list's item data is
// the star's catalogue index.
int PlanetariumBodyButton(int body);
bool PlanetariumHasBodyButton(int body);
bool PlanetariumShowsStarList(int body);
bool PlanetariumViewsSunMoon(BitSet skySet);
bool PlanetariumViewsPlanets(BitSet skySet);
bool PlanetariumViewsStars(BitSet skySet);
FieldError AcceptPlanetariumDialog(const DialogFields& fields, DialogParams& params);
