// The Local Eclipses report: every eclipse of a range of years as the
// observer at the place sees it. The generator, LocalEclipsesReport, is
// declared with the others in reports.h; this header names its strings.
#pragma once

// The report's strings in the numbered table (strings.def), one name each.
enum LocalEclipseString : int {
    kLocalEclipsesDialogTitle = 3000,
    kLocalEclipsesTitle = 3001, // "%s": the year range
    kLocalSolarHeading = 3002,  // "%s": date, the kind on Earth, the kind here
    kKindPartial = 3003,
    kKindAnnular = 3004,
    kKindTotal = 3005,
    kKindAnnularTotal = 3006,
    kSolarColumns = 3007,
    kEclipseBegins = 3008,
    kTotalityBegins = 3009,
    kAnnularityBegins = 3010,
    kGreatestEclipse = 3011,
    kTotalityEnds = 3012,
    kAnnularityEnds = 3013,
    kEclipseEnds = 3014,
    kSunriseWord = 3015,
    kSunsetWord = 3016,
    kBelowHorizonWord = 3017,
    kSolarMagnitudeLine = 3018, // "%s": magnitude, percent of the disc covered
    kLocalLunarHeading = 3019,  // "%s": date, kind, umbral magnitude
    kLunarColumns = 3020,
    kPartialPhaseBegins = 3021,
    kTotalPhaseBegins = 3022,
    kTotalPhaseEnds = 3023,
    kPartialPhaseEnds = 3024,
    kLunarMaximumSeen = 3025,
    kLunarMaximumHidden = 3026,
    kLocalEclipseRow = 3027, // "%s": what happens, time or word, altitude, mark
    kLocalEclipsesNoteFirst = 3028,
    kLocalEclipsesNoteLast = 3031,
};
