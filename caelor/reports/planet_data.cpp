// The Planet Data report's table as results: its rows read from the string
// table's lines, as the report prints them.

#include "reports/planet_reports.h"

#include "engine/angles.h"
#include "engine/frames.h"
#include "engine/planets.h"
#include "engine/sun.h"
#include "engine/time.h"
#include "reports/format.h"
#include "reports/host_hooks.h"
#include "reports/names.h"
#include "reports/reports.h"
#include "resources/string_table.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// A number of the Planet Data table as its line writes it: digits, with '#'
// for the decimal separator (the report puts the regional one there). Reads
// it without the C library, whose reading of numbers follows the locale.
// Returns the characters read, 0 when none is a digit.
size_t ReadTableNumber(const char* text, double& value, int& decimals) {
    value = 0;
    decimals = -1;
    size_t i = 0;
    double scale = 1;
    for (;; ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            if (decimals < 0) {
                value = value * 10 + (c - '0');
            } else {
                scale /= 10;
                value += (c - '0') * scale;
                ++decimals;
            }
        } else if (c == '#' && decimals < 0) {
            decimals = 0;
        } else {
            break;
        }
    }
    if (decimals < 0) {
        decimals = 0;
    }
    return i;
}

const char* SkipBlanks(const char* text) {
    while (*text == ' ') {
        ++text;
    }
    return text;
}

// The row of a table line: name, mean distance, period and its unit,
// inclination with the degree sign, and the diameter or a range "low-high";
// false for a line that is not a planet's row.
bool ReadPlanetDataLine(const char* line, PlanetDataRow& row) {
    row.body = -1;
    for (int p = kEarth; p <= kPluto; ++p) {
        const std::string name = RecordBodyName(p);
        if (std::string(line).compare(0, name.size(), name) == 0 && line[name.size()] == ' ') {
            row.body = p;
            line += name.size();
        }
    }
    if (row.body < 0) {
        return false;
    }
    line = SkipBlanks(line);
    line += ReadTableNumber(line, row.meanDistanceAu, row.distanceDecimals);
    line = SkipBlanks(line);
    line += ReadTableNumber(line, row.period, row.periodDecimals);
    line = SkipBlanks(line);
    row.periodInYears = std::string(line).compare(0, 5, "years") == 0;
    while (*line != ' ' && *line != '\0') {
        ++line;
    }
    line = SkipBlanks(line);
    line += ReadTableNumber(line, row.inclinationDeg, row.inclinationDecimals);
    if (*line == '\260') {
        ++line;
    }
    line = SkipBlanks(line);
    int unused;
    line += ReadTableNumber(line, row.diameterMinKm, unused);
    row.diameterMaxKm = row.diameterMinKm;
    if (*line == '-') {
        ++line;
        line += ReadTableNumber(line, row.diameterMaxKm, unused);
    }
    return *SkipBlanks(line) == '\0';
}

} // namespace

std::vector<PlanetDataRow> PlanetDataResults() {
    // The table exists only as the report's lines; its numbers are read
    // back from them, so the data cannot say other than the text.
    std::vector<PlanetDataRow> rows;
    for (int id = IDS_PLANET_DATA_FIRST + 1; id <= IDS_PLANET_DATA_LAST; ++id) {
        char line[kReportSlot];
        LoadText(id, line, sizeof line);
        PlanetDataRow row;
        if (ReadPlanetDataLine(line, row)) {
            rows.push_back(row);
        }
    }
    return rows;
}

Records PlanetDataRecords(const ReportRequest&, const Location&) {
    Records records;
    for (const PlanetDataRow& row : PlanetDataResults()) {
        Record record;
        record.kind = "planet_data_row";
        record.body = RecordBodyKey(row.body);
        record.summary = RecordBodyName(row.body);
        record.fields.push_back(
            NumberField("mean_distance_au", row.meanDistanceAu, row.distanceDecimals));
        // The table gives the short periods in days and the long ones in
        // years; the unit goes with the number, as printed.
        record.fields.push_back(NumberField("period", row.period, row.periodDecimals));
        record.fields.push_back(TextField("period_unit", row.periodInYears ? "years" : "days"));
        record.fields.push_back(
            NumberField("inclination_deg", row.inclinationDeg, row.inclinationDecimals));
        record.fields.push_back(NumberField("diameter_min_km", row.diameterMinKm, 0));
        record.fields.push_back(NumberField("diameter_max_km", row.diameterMaxKm, 0));
        records.push_back(record);
    }
    return records;
}
