// The Almanac: all fourteen reports for one year and month range, in report
// index order, into one buffer.
#pragma once

#include "reports/reports.h"

// Runs every report for the request's year and months, with the
// inside-Almanac flag (each within its share of the progress) and all
// planets chosen; once StopFlag is set no further report starts.
void AlmanacReport(const ReportRequest& request, ReportBuffer& buffer, Location location);
