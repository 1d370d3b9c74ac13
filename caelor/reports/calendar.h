// Helpers of the Calendar report (the generators themselves are declared in
// reports.h).
#pragma once

constexpr int kCalendarRows = 6;

// Lays out the month as a wall calendar, Sunday first: grid[r][c] is the day
// of the month in week row r (0 .. 5) and weekday column c (0 Sunday .. 6
// Saturday), or 0 for a cell outside the month. Returns the number of week
// rows the month needs: the first row and every later one whose Sunday holds
// a day.
int CalendarWeekRows(int month, int year, int grid[kCalendarRows][7]);
