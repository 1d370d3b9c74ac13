// The names the reports, graphs and movies print for what the engine counts
// in numbers: bodies and months, from the string table.
#pragma once

// Display name of a body code (kSun .. kPluto of engine/frames.h) into text
// (kTextSize bytes).
void BodyName(int body, char* text);

// Name of a month (1 .. 12) into text (kTextSize bytes).
void MonthName(int month, char* text);
