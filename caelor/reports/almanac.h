// The Almanac: all fourteen reports for one year and month range, in report
// index order, into one buffer.
#pragma once

#include "reports/records.h"
#include "reports/reports.h"

// Runs every report for the request's year and months, with the
// inside-Almanac flag (each within its share of the progress) and all
// planets chosen; once StopFlag is set no further report starts.
void AlmanacReport(const ReportRequest& request, ReportBuffer& buffer, Location location);

// The results of the Almanac's reports for the request, in its order, as
// data.
Records AlmanacRecords(const ReportRequest& request, const Location& location);
