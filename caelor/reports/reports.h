// Every report generator. Each appends its lines to the buffer, reports its
// progress under its report index (inside the Almanac, within its share),
// pumps messages once per step and returns early, without the closing page
// break, when the user stops it.
#pragma once

#include "engine/location.h"
#include "reports/report_buffer.h"
#include "settings/bit_set.h"

// Calendar, seasons and Easter.
void CalendarReport(int year, int startMonth, int stopMonth, Location location,
                    ReportBuffer& buffer, int index, bool insideAlmanac);
void SeasonsReport(int startYear, int stopYear, Location location, ReportBuffer& buffer, int index,
                   bool insideAlmanac);
void EasterReport(int startYear, int stopYear, ReportBuffer& buffer, int index, bool insideAlmanac);

// Lunar (lunar = true) or solar eclipses of a year range.
void EclipseReport(Location location, bool lunar, int startYear, int stopYear, ReportBuffer& buffer,
                   int index, bool insideAlmanac);

// Planet reports; planets is a body set (bit k for body code k).
void PlanetViewInfoReport(int year, int startMonth, int stopMonth, Location location,
                          BitSet planets, ReportBuffer& buffer, int index, bool insideAlmanac);
void PlanetApsidesReport(int startYear, int stopYear, Location location, BitSet planets,
                         ReportBuffer& buffer, int index, bool insideAlmanac);
void PlanetConjOppReport(int year, int startMonth, int stopMonth, Location location, BitSet planets,
                         ReportBuffer& buffer, int index, bool insideAlmanac);

// The Moon's apsides and nodes.
void MoonApsidesReport(Location location, int year, int startMonth, int stopMonth,
                       ReportBuffer& buffer, int index, bool insideAlmanac);
void MoonNodesReport(Location location, int year, int startMonth, int stopMonth,
                     ReportBuffer& buffer, int index, bool insideAlmanac);

// Meteor showers and twilight.
void MeteorShowersReport(Location location, int year, int startMonth, int stopMonth,
                         ReportBuffer& buffer, int index, bool insideAlmanac);
void TwilightReport(Location location, int year, int startMonth, int stopMonth,
                    ReportBuffer& buffer, int index, bool insideAlmanac);
