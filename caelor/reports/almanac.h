// The Almanac: all fourteen reports for one year and month range, in report
// index order, into one buffer.
#pragma once

#include "engine/location.h"
#include "reports/report_buffer.h"

// Runs every report with the inside-Almanac flag (each within its share of
// the progress) and all planets chosen; once StopFlag is set no further
// report starts.
void AlmanacReport(int year, int startMonth, int stopMonth, Location location,
                   ReportBuffer& buffer);
