// The Local Eclipses report: every eclipse of a range of years as the
// observer at the place sees it, its lines from the string table's
// IDS_LOCAL_* block.

#include "reports/reports.h"

#include "engine/time.h"
#include "reports/eclipses.h"
#include "reports/format.h"
#include "reports/host_hooks.h"
#include "reports/local_eclipses_math.h"
#include "resources/string_table.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// A line from a string-table format and its arguments, without the blanks
// a row's empty last columns leave.
void Emit(ReportBuffer& buffer, const char* format, ...) {
    char line[kReportSlot];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    for (size_t n = std::strlen(line); n > 0 && line[n - 1] == ' '; --n) {
        line[n - 1] = '\0';
    }
    ReportAddLine(line, buffer);
}

// A string of the table, held for the length of one line's making.
class TableText {
  public:
    explicit TableText(int id) { LoadText(id, text_, sizeof text_); }
    const char* c_str() const { return text_; }

  private:
    char text_[kFormatSize];
};

// A formatted number inside a sentence, without the blanks that pad it to
// its field (a zero integer part left out by the regional settings leaves
// one).
const char* Unpadded(const char* number) {
    return number + std::strspn(number, " ");
}

// The local standard date of an instant, as the other reports print dates.
void FormatLocalDate(double jdUt, const Location& location, char* out) {
    const CalendarTime local = LocalTimeOf(jdUt, location.timeZone);
    FormatDate(local.day, local.month, local.year, out);
}

// An altitude in whole degrees with the degree sign.
void FormatAltitude(double degrees, char* out) {
    // Rounded first, so that a body just below the horizon reads 0, not -0.
    FormatFixed(std::floor(degrees + 0.5), 3, 0, out);
    const size_t length = std::strlen(out);
    if (length + 1 < static_cast<size_t>(kFormatSize)) {
        out[length] = kDegreeSign;
        out[length + 1] = '\0';
    }
}

void AddRow(int labelId, const char* when, const char* altitude, const char* mark,
            ReportBuffer& buffer) {
    Emit(buffer, TableText(IDS_LOCAL_ECLIPSE_ROW).c_str(), TableText(labelId).c_str(), when,
         altitude, mark);
}

// Which word stands in place of a contact's time when the Sun is down: the
// first contact before sunrise means the eclipse is under way at sunrise,
// the last after sunset that it still is at sunset; any other moment is
// simply below the horizon.
enum class ContactRole { kFirst, kLast, kInside };

void AddSolarRow(int labelId, const SolarContact& contact, ContactRole role,
                 const Location& location, ReportBuffer& buffer) {
    char when[kFormatSize];
    char altitude[kFormatSize] = "";
    if (contact.sky == SunSky::kAboveHorizon) {
        FormatHoursMinutes(LocalTimeOf(contact.jdUt, location.timeZone).hours, when);
        FormatAltitude(contact.sunAltitude, altitude);
    } else {
        int word = IDS_LOCAL_BELOW_HORIZON;
        if (role == ContactRole::kFirst && contact.sky == SunSky::kBelowRising) {
            word = IDS_LOCAL_SUNRISE;
        } else if (role == ContactRole::kLast && contact.sky == SunSky::kBelowSetting) {
            word = IDS_LOCAL_SUNSET;
        }
        LoadText(word, when, sizeof when);
    }
    AddRow(labelId, when, altitude, "", buffer);
}

int GlobalKindWord(GlobalSolarKind kind) {
    switch (kind) {
    case GlobalSolarKind::kTotal:
        return IDS_LOCAL_KIND_TOTAL;
    case GlobalSolarKind::kAnnular:
        return IDS_LOCAL_KIND_ANNULAR;
    case GlobalSolarKind::kAnnularTotal:
        return IDS_LOCAL_KIND_ANNULAR_TOTAL;
    default:
        return IDS_LOCAL_KIND_PARTIAL;
    }
}

int LocalKindWord(LocalSolarKind kind) {
    switch (kind) {
    case LocalSolarKind::kTotal:
        return IDS_LOCAL_KIND_TOTAL;
    case LocalSolarKind::kAnnular:
        return IDS_LOCAL_KIND_ANNULAR;
    default:
        return IDS_LOCAL_KIND_PARTIAL;
    }
}

void AddSolarEclipse(const LocalSolarEclipse& eclipse, const Location& location,
                     ReportBuffer& buffer) {
    const LocalSolarCircumstances& l = eclipse.local;
    char date[kFormatSize];
    FormatLocalDate(l.maximum.jdUt, location, date);
    ReportAddLine("", buffer);
    Emit(buffer, TableText(IDS_LOCAL_SOLAR_HEADING).c_str(), date,
         TableText(GlobalKindWord(eclipse.globalKind)).c_str(),
         TableText(LocalKindWord(l.kind)).c_str());
    ReportText(IDS_LOCAL_SOLAR_COLUMNS, buffer);
    const bool total = l.kind == LocalSolarKind::kTotal;
    AddSolarRow(IDS_LOCAL_ECLIPSE_BEGINS, l.first, ContactRole::kFirst, location, buffer);
    if (l.second.happens) {
        AddSolarRow(total ? IDS_LOCAL_TOTALITY_BEGINS : IDS_LOCAL_ANNULARITY_BEGINS, l.second,
                    ContactRole::kInside, location, buffer);
    }
    AddSolarRow(IDS_LOCAL_GREATEST_ECLIPSE, l.maximum, ContactRole::kInside, location, buffer);
    if (l.third.happens) {
        AddSolarRow(total ? IDS_LOCAL_TOTALITY_ENDS : IDS_LOCAL_ANNULARITY_ENDS, l.third,
                    ContactRole::kInside, location, buffer);
    }
    AddSolarRow(IDS_LOCAL_ECLIPSE_ENDS, l.last, ContactRole::kLast, location, buffer);
    char magnitude[kFormatSize];
    char covered[kFormatSize];
    FormatFixed(l.magnitude, 1, 3, magnitude);
    // Up to 100 percent: the field is wide enough for it.
    FormatFixed(l.obscuration * 100, 3, 1, covered);
    Emit(buffer, TableText(IDS_LOCAL_SOLAR_MAGNITUDE_LINE).c_str(), Unpadded(magnitude),
         Unpadded(covered));
}

void AddLunarRow(int labelId, const LunarContact& contact, ReportBuffer& buffer) {
    if (!contact.happens) {
        return;
    }
    char when[kFormatSize];
    char altitude[kFormatSize];
    FormatHoursMinutes(contact.localHours, when);
    FormatAltitude(contact.moonAltitude, altitude);
    const TableText below(IDS_LOCAL_BELOW_HORIZON);
    AddRow(labelId, when, altitude, contact.aboveHorizon ? "" : below.c_str(), buffer);
}

void AddLunarEclipse(const LocalLunarEclipse& eclipse, const Location& location,
                     ReportBuffer& buffer) {
    char date[kFormatSize];
    char magnitude[kFormatSize];
    FormatLocalDate(eclipse.elements.maximum, location, date);
    FormatFixed(eclipse.shadow.magnitude, 1, 2, magnitude);
    ReportAddLine("", buffer);
    Emit(buffer, TableText(IDS_LOCAL_LUNAR_HEADING).c_str(), date,
         TableText(eclipse.totalBegins.happens ? IDS_LOCAL_KIND_TOTAL : IDS_LOCAL_KIND_PARTIAL)
             .c_str(),
         Unpadded(magnitude));
    ReportText(IDS_LOCAL_LUNAR_COLUMNS, buffer);
    AddLunarRow(IDS_LOCAL_PARTIAL_PHASE_BEGINS, eclipse.partialBegins, buffer);
    AddLunarRow(IDS_LOCAL_TOTAL_PHASE_BEGINS, eclipse.totalBegins, buffer);
    AddLunarRow(IDS_LOCAL_GREATEST_ECLIPSE, eclipse.maximum, buffer);
    AddLunarRow(IDS_LOCAL_TOTAL_PHASE_ENDS, eclipse.totalEnds, buffer);
    AddLunarRow(IDS_LOCAL_PARTIAL_PHASE_ENDS, eclipse.partialEnds, buffer);
    ReportText(eclipse.maximum.aboveHorizon ? IDS_LOCAL_LUNAR_MAXIMUM_SEEN
                                            : IDS_LOCAL_LUNAR_MAXIMUM_HIDDEN,
               buffer);
}

// The eclipses of one year in the order they happen: each entry the index
// of a lunar (lunar true) or a solar eclipse of the year.
struct EclipseInOrder {
    bool lunar;
    int index;
};

std::vector<EclipseInOrder> InTimeOrder(const LocalEclipsesYear& eclipses) {
    std::vector<EclipseInOrder> order;
    int lunar = 0;
    int solar = 0;
    while (lunar < eclipses.lunarCount || solar < eclipses.solarCount) {
        const bool lunarNext =
            solar == eclipses.solarCount ||
            (lunar < eclipses.lunarCount &&
             eclipses.lunar[lunar].elements.maximum < eclipses.solar[solar].elements.maximum);
        order.push_back(lunarNext ? EclipseInOrder{true, lunar++} : EclipseInOrder{false, solar++});
    }
    return order;
}

// An altitude as the rows give it: whole degrees, rounded as
// FormatAltitude rounds them.
RecordField AltitudeField(const std::string& contact, double degrees) {
    return NumberField(contact + "_altitude_deg", std::floor(degrees + 0.5), 0);
}

void AddSolarContactFields(const char* name, const SolarContact& contact, ContactRole role,
                           Record& record) {
    if (!contact.happens) {
        record.fields.push_back(InstantField(name, 0, false));
        return;
    }
    if (contact.sky == SunSky::kAboveHorizon) {
        record.fields.push_back(InstantField(name, contact.jdUt));
        record.fields.push_back(AltitudeField(name, contact.sunAltitude));
        return;
    }
    // The row gives a word in place of the time; the word is the information.
    const char* mark = "below horizon";
    if (role == ContactRole::kFirst && contact.sky == SunSky::kBelowRising) {
        mark = "sunrise";
    } else if (role == ContactRole::kLast && contact.sky == SunSky::kBelowSetting) {
        mark = "sunset";
    }
    record.fields.push_back(InstantField(name, 0, false));
    record.fields.push_back(TextField(std::string(name) + "_mark", mark));
}

const char* GlobalKindName(GlobalSolarKind kind) {
    switch (kind) {
    case GlobalSolarKind::kTotal:
        return "total";
    case GlobalSolarKind::kAnnular:
        return "annular";
    case GlobalSolarKind::kAnnularTotal:
        return "annular_total";
    default:
        return "partial";
    }
}

const char* GlobalKindSummary(GlobalSolarKind kind) {
    switch (kind) {
    case GlobalSolarKind::kTotal:
        return "Total solar eclipse";
    case GlobalSolarKind::kAnnular:
        return "Annular solar eclipse";
    case GlobalSolarKind::kAnnularTotal:
        return "Annular-total solar eclipse";
    default:
        return "Partial solar eclipse";
    }
}

const char* LocalKindName(LocalSolarKind kind) {
    switch (kind) {
    case LocalSolarKind::kTotal:
        return "total";
    case LocalSolarKind::kAnnular:
        return "annular";
    default:
        return "partial";
    }
}

Record LocalSolarRecord(const LocalSolarEclipse& eclipse) {
    const LocalSolarCircumstances& l = eclipse.local;
    Record record =
        EventRecord(std::string(GlobalKindName(eclipse.globalKind)) + "_solar_eclipse", "sun",
                    std::string(GlobalKindSummary(eclipse.globalKind)) + ", seen here as " +
                        LocalKindName(l.kind),
                    l.maximum.jdUt);
    record.fields.push_back(TextField("seen_as", LocalKindName(l.kind)));
    AddSolarContactFields("first_contact", l.first, ContactRole::kFirst, record);
    AddSolarContactFields("second_contact", l.second, ContactRole::kInside, record);
    AddSolarContactFields("greatest_eclipse", l.maximum, ContactRole::kInside, record);
    AddSolarContactFields("third_contact", l.third, ContactRole::kInside, record);
    AddSolarContactFields("last_contact", l.last, ContactRole::kLast, record);
    record.fields.push_back(NumberField("magnitude", l.magnitude, 3));
    record.fields.push_back(NumberField("obscured_percent", l.obscuration * 100, 1));
    return record;
}

void AddLunarContactFields(const char* name, const LunarContact& contact, Record& record) {
    record.fields.push_back(InstantField(name, contact.jdUt, contact.happens));
    if (contact.happens) {
        record.fields.push_back(AltitudeField(name, contact.moonAltitude));
    }
}

Record LocalLunarRecord(const LocalLunarEclipse& eclipse) {
    const bool total = eclipse.totalBegins.happens;
    Record record =
        EventRecord(total ? "total_lunar_eclipse" : "partial_lunar_eclipse", "moon",
                    total ? "Total lunar eclipse, maximum" : "Partial lunar eclipse, maximum",
                    eclipse.elements.maximum);
    record.fields.push_back(NumberField("magnitude", eclipse.shadow.magnitude, 2));
    AddLunarContactFields("partial_begins", eclipse.partialBegins, record);
    AddLunarContactFields("total_begins", eclipse.totalBegins, record);
    AddLunarContactFields("greatest_eclipse", eclipse.maximum, record);
    AddLunarContactFields("total_ends", eclipse.totalEnds, record);
    AddLunarContactFields("partial_ends", eclipse.partialEnds, record);
    record.fields.push_back(FlagField("maximum_visible", eclipse.maximum.aboveHorizon));
    return record;
}

} // namespace

LocalEclipsesYear LocalEclipsesOf(int year, const Location& location) {
    MoonPhaseList phases;
    CollectMoonPhases(year, phases, -1, false, 0, 0);
    LocalEclipsesYear eclipses;
    LocalEclipsesOfYear(year, phases, location, eclipses);
    return eclipses;
}

std::vector<LocalEclipsesYear> LocalEclipsesResults(const ReportRequest& request,
                                                    const Location& location) {
    std::vector<LocalEclipsesYear> years;
    for (int y = request.year; y <= request.stopYear; ++y) {
        years.push_back(LocalEclipsesOf(y, location));
    }
    return years;
}

Records LocalEclipsesRecords(const ReportRequest& request, const Location& location) {
    Records records;
    for (const LocalEclipsesYear& year : LocalEclipsesResults(request, location)) {
        for (const EclipseInOrder& e : InTimeOrder(year)) {
            records.push_back(e.lunar ? LocalLunarRecord(year.lunar[e.index])
                                      : LocalSolarRecord(year.solar[e.index]));
        }
    }
    return records;
}

void AddLocalEclipsesHeading(const ReportRequest& request, const Location& location,
                             ReportBuffer& buffer) {
    ReportHeader(location, buffer);
    char range[kFormatSize];
    FormatYearRange(request.year, request.stopYear, range);
    ReportTitle(IDS_LOCAL_ECLIPSE_REPORT_TITLE, range, buffer);
    ReportAddLine("", buffer);
}

void AddLocalEclipsesLines(const LocalEclipsesYear& eclipses, const Location& location,
                           ReportBuffer& buffer) {
    for (const EclipseInOrder& e : InTimeOrder(eclipses)) {
        if (e.lunar) {
            AddLunarEclipse(eclipses.lunar[e.index], location, buffer);
        } else {
            AddSolarEclipse(eclipses.solar[e.index], location, buffer);
        }
    }
}

void AddLocalEclipsesNote(ReportBuffer& buffer) {
    ReportAddLine("", buffer);
    ReportAddLine("", buffer);
    for (int id = IDS_LOCAL_ECLIPSES_NOTE_FIRST; id <= IDS_LOCAL_ECLIPSES_NOTE_LAST; ++id) {
        ReportText(id, buffer);
    }
}

void LocalEclipsesReport(const ReportRequest& request, ReportBuffer& buffer, Location location) {
    const int startYear = request.year;
    const int stopYear = request.stopYear;
    const bool insideAlmanac = request.insideAlmanac;
    ReportBeginSection(buffer);
    AddLocalEclipsesHeading(request, location, buffer);

    const double share = stopYear > startYear ? 1.0 / (stopYear - startYear + 1) : 1.0;
    double base = 0;
    for (int y = startYear; y <= stopYear; ++y) {
        if (PumpMessages(0) != 0) {
            return;
        }
        MoonPhaseList phases;
        CollectMoonPhases(y, phases, kReportLocalEclipses, insideAlmanac, base, share);
        if (StopFlag) {
            return;
        }
        LocalEclipsesYear eclipses;
        LocalEclipsesOfYear(y, phases, location, eclipses);
        AddLocalEclipsesLines(eclipses, location, buffer);
        base += share;
    }

    AddLocalEclipsesNote(buffer);
    ReportAddPageBreak(buffer);
    ReportProgress(kReportLocalEclipses, insideAlmanac, 1.0);
}
