// The fifteen graphs of the Graphs menu (IDM_GRAPH_FIRST .. IDM_GRAPH_LAST).
// Each draws its frame, titles, axes and legend first, then its curves
// sample by sample, calling PumpMessages(1) before each curve and between
// samples; when that returns 1 (Stop, or the window was resized) the routine
// returns and leaves the graph partly drawn.
#pragma once

#include "engine/location.h"
#include "graphs/surface.h"
#include "resources/command_ids.h"
#include "settings/bit_set.h"

// What the graph dialogs hand over.
struct GraphParams {
    int year = 2000;
    int month = 1;
    int stopYear = 2000;     // Eclipses: the last year of the range
    BitSet bodySet = 0;      // bit k for body k (planets 3 .. 10, Earth 2)
    int distanceFromSun = 1; // Planet Distance: 1 from the Sun, 0 from the Earth
    int mainPlanet = 5;      // Planet Angle: 3 .. 10
    BitSet moonSet = 0xF;    // Jupiter Moons: bit i for Io, Europa, Ganymede, Callisto
    bool numberMoons = true; // Jupiter Moons: numbers at greatest elongation
    Location location = {};
};

bool IsGraphCommand(int id);

struct DialogParams;
// The values the graph dialogs last accepted, with the current place.
GraphParams GraphParamsFromDialog(const DialogParams& dialog, const Location& location);

// Draws graph id (IDM_GRAPH_*) onto s, which is prepared on the page with colours.
void DrawGraph(Surface& s, int id, const GraphParams& p);

// One routine per graph.
void PlanetMagnitudeGraph(Surface& s, int year, BitSet bodies);
void PlanetIllumFracGraph(Surface& s, int year, BitSet bodies);
void PlanetDiameterGraph(Surface& s, int year, BitSet bodies);
void PlanetDistanceGraph(Surface& s, int year, BitSet bodies, int distanceFromSun);
void PlanetAngleGraph(Surface& s, int year, int month, int mainPlanet, BitSet others,
                      const Location& loc);
void EquationOfTimeGraph(Surface& s, int year, const Location& loc);
void DayLengthGraph(Surface& s, int year, const Location& loc);
void SunAngleGraph(Surface& s, int year, const Location& loc);
void SunriseGraph(Surface& s, int year, const Location& loc);
void MoonSpeedGraph(Surface& s, int year, const Location& loc);
void MoonIllumFracGraph(Surface& s, int year, int month, const Location& loc);
void JupiterMoonsGraph(Surface& s, int year, int month, BitSet moons, bool numberMoons,
                       const Location& loc);
void PlanetOrbitGraph(Surface& s, int year, BitSet bodies);
void AnalemmaGraph(Surface& s, int year, const Location& loc);
void EclipsesGraph(Surface& s, int startYear, int stopYear, const Location& loc);

// The quantities the curves plot, for the checks of their values.
// Equation of time in minutes on the date.
double EquationOfTimeMinutes(double jd);
// Hours between sunrise and sunset on the date (24 or 0 without either).
double DayLengthHours(double jd, const Location& loc);
// Altitude of the Sun at local apparent noon of the date, 0 when below.
double SunAngleAtNoon(double jd, const Location& loc);
// Azimuth of the Sun at its rise on the date (degrees from North).
double SunriseAzimuth(double jd, const Location& loc);
// The shadow tip (X, Y) of a unit gnomon at the place's mean solar noon of
// the date of jd.
void NoonShadow(double jd, const Location& loc, double& X, double& Y);
