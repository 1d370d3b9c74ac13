// The checks the input dialogs make before they accept their values, as pure
// functions: each returns the message to show, or nullptr when the value
// passes. caelor-cli makes the same checks with the same messages.
#pragma once

#include "settings/bit_set.h"

// 1000 .. 3000.
const char* CheckYear(int year);
// 1 .. 12.
const char* CheckMonth(int month);
// Start and stop of a range, each checked, then the order.
const char* CheckYearRange(int startYear, int stopYear);
const char* CheckMonthRange(int startMonth, int stopMonth);
// At least one body of first .. last in the set.
const char* CheckPlanetChosen(BitSet planets, int first, int last);
