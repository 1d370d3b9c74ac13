#include "reports/report_buffer.h"

#include "engine/location.h"
#include "reports/format.h"
#include "reports/host_hooks.h"
#include "reports/reports.h"
#include "resources/string_table.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// Cumulative shares of the fourteen Almanac reports; report k runs from
// share[k - 1] to share[k].
constexpr double kAlmanacShare[] = {0.000, 0.018, 0.240, 0.243, 0.246, 0.281, 0.316, 0.474,
                                    0.516, 0.714, 0.723, 0.902, 0.914, 0.984, 1.000};

} // namespace

void ReportBeginSection(ReportBuffer& buffer) {
    buffer.sectionLines = 0;
}

void ReportAddLine(const char* line, ReportBuffer& buffer) {
    const size_t length = std::strlen(line);
    if (length > static_cast<size_t>(kReportLineMax)) {
        FatalError(IDS_INTERNAL_ERROR, "REPORTS", __LINE__);
    }
    if (buffer.lineCount == 0) {
        buffer.text.assign(static_cast<size_t>(kReportBlockLines) * kReportSlot, '\0');
    } else if ((buffer.lineCount + 1) % kReportBlockLines == 0) {
        const size_t lines =
            static_cast<size_t>((buffer.lineCount + 1) / kReportBlockLines + 1) * kReportBlockLines;
        buffer.text.resize(lines * kReportSlot, '\0');
    }
    char* slot = &buffer.text[static_cast<size_t>(buffer.lineCount) * kReportSlot];
    std::memcpy(slot, line, length + 1);
    ++buffer.lineCount;
    ++buffer.sectionLines;
    CurrentReportHost().ReportLineAdded(buffer.lineCount - 1, slot);
}

void ReportAddPageBreak(ReportBuffer& buffer) {
    ReportAddLine(kPageBreakLine, buffer);
}

void ReportHeader(const Location& location, ReportBuffer& buffer) {
    char format[kReportSlot];
    char latitude[kReportSlot];
    char longitude[kReportSlot];
    char zone[kReportSlot];
    char line[kReportSlot];
    FormatSexagesimal(location.latitude, 1, latitude);
    FormatSexagesimal(location.longitude, 1, longitude);
    LoadText(IDS_REPORT_PLACE, format, sizeof format);
    std::snprintf(line, sizeof line, format, location.name, latitude,
                  HemisphereLetter(location.latitudeHemisphere), longitude,
                  HemisphereLetter(location.longitudeHemisphere));
    ReportAddLine(line, buffer);
    FormatFixed(std::fabs(location.timeZone), 3, 2, zone);
    LoadText(IDS_REPORT_TIME_ZONE, format, sizeof format);
    std::snprintf(line, sizeof line, format, SignCharacter(location.timeZone), zone,
                  location.elevation);
    ReportAddLine(line, buffer);
    ReportAddLine("", buffer);
}

void ReportTitle(int titleId, const char* text, ReportBuffer& buffer) {
    char format[kReportSlot];
    char line[kReportSlot];
    LoadText(titleId, format, sizeof format);
    std::snprintf(line, sizeof line, format, text);
    CenterLine(line);
    ReportAddLine(line, buffer);
}

void ReportText(int id, ReportBuffer& buffer) {
    char line[kReportSlot];
    LoadText(id, line, sizeof line);
    ReportAddLine(line, buffer);
}

void ReportFree(ReportBuffer& buffer) {
    std::vector<char>().swap(buffer.text);
    buffer.lineCount = 0;
    buffer.topLine = 0;
    buffer.sectionLines = 0;
    buffer.firstColumn = 0;
}

double ReportFraction(int first, int last, int current) {
    if (last <= first) {
        return 1.0;
    }
    return static_cast<double>(current - first) / static_cast<double>(last - first);
}

double ReportNestedFraction(int i, int iFirst, int iLast, int j, int jFirst, int jLast, int k,
                            int kFirst, int kLast) {
    const long long i1 = i + 1 - iFirst;
    const long long ni = iLast + 1 - iFirst;
    const long long j1 = j + 1 - jFirst;
    const long long nj = jLast + 1 - jFirst;
    const long long k1 = k + 1 - kFirst;
    const long long nk = kLast + 1 - kFirst;
    const long long done = ((i1 - 1) * nj + j1 - 1) * nk + k1 - 1;
    const long long total = ni * nj * nk - 1;
    // A single step is complete as soon as it starts.
    if (total <= 0) {
        return 1.0;
    }
    return static_cast<double>(done) / static_cast<double>(total);
}

void CenterLine(char* line) {
    // Room for the blanks and a whole slot; the result is cut to a line.
    char centred[2 * kReportSlot];
    const int length = static_cast<int>(std::strlen(line));
    std::snprintf(centred, sizeof centred, "%*c%s", (kReportLineMax - length) / 2, ' ', line);
    centred[kReportLineMax] = '\0';
    std::memcpy(line, centred, std::strlen(centred) + 1);
}

double AlmanacFraction(int index, bool insideAlmanac, double fraction) {
    if (!insideAlmanac || index < 1 || index > 14) {
        return fraction;
    }
    return kAlmanacShare[index - 1] + fraction * (kAlmanacShare[index] - kAlmanacShare[index - 1]);
}

void FormatProgressText(double fraction, uint32_t elapsedMs, char* out) {
    char percent[kReportSlot];
    char minutes[24] = "   ";
    char seconds[24] = "  ";
    FormatFixed(fraction * 100, 3, 2, percent);
    if (fraction > 0) {
        const double remaining = elapsedMs / fraction * (1 - fraction);
        const double s = std::ceil(remaining * 0.001);
        const long total = s > 1e9 ? 1000000000L : static_cast<long>(s);
        std::snprintf(minutes, sizeof minutes, "%ld", total / 60);
        std::snprintf(seconds, sizeof seconds, "%02ld", total % 60);
    }
    char format[kReportSlot];
    LoadText(IDS_REPORT_PROGRESS, format, sizeof format);
    std::snprintf(out, kReportSlot, format, percent, minutes, seconds);
}

void ProgressClock::Update(int index, bool insideAlmanac, double fraction, uint32_t now,
                           char* out) {
    const double overall = AlmanacFraction(index, insideAlmanac, fraction);
    if (overall == 0) {
        startTick = now;
    }
    // Unsigned difference: right across a wrap of the tick counter.
    FormatProgressText(overall, now - startTick, out);
}

void StringListReport(int firstId, int lastId, ReportBuffer& buffer, int index,
                      bool insideAlmanac) {
    ReportBeginSection(buffer);
    char line[kReportSlot];
    LoadText(firstId, line, sizeof line);
    CenterLine(line);
    ReportAddLine(line, buffer);
    ReportProgress(index, insideAlmanac, 0);
    const char separator = LocaleDecimalSeparator(false);
    for (int id = firstId + 1; id <= lastId; ++id) {
        if (PumpMessages(0) != 0) {
            return;
        }
        ReportProgress(index, insideAlmanac, ReportFraction(firstId + 1, lastId, id));
        LoadText(id, line, sizeof line);
        if (std::strcmp(line, "!") == 0) {
            continue;
        }
        for (char* p = line; *p != '\0'; ++p) {
            if (*p == '#') {
                *p = separator;
            }
        }
        ReportAddLine(line, buffer);
    }
    ReportAddPageBreak(buffer);
}

void IntroductionReport(const ReportRequest& request, ReportBuffer& buffer, Location) {
    StringListReport(IDS_INTRODUCTION_FIRST, IDS_INTRODUCTION_LAST, buffer, kReportIntroduction,
                     request.insideAlmanac);
}

Records IntroductionRecords(const ReportRequest&, const Location&) {
    return {};
}

void PlanetDataReport(const ReportRequest& request, ReportBuffer& buffer, Location) {
    StringListReport(IDS_PLANET_DATA_FIRST, IDS_PLANET_DATA_LAST, buffer, kReportPlanetData,
                     request.insideAlmanac);
}
