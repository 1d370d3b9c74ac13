// Helpers of the Meteor Showers and Twilight reports (the generators are
// declared in reports.h).
#pragma once

// One annual meteor shower: the Sun's ecliptic longitude (equinox 2000.0,
// degrees) at its maximum, the zenithal hourly rate (-1 unknown) and the
// radiant (raHours -1 when none is given). Its name is string IDS_METEOR_SHOWER_FIRST
// + row.
struct MeteorShower {
    double solarLongitude;
    int zhr;
    int raHours;
    int raMinutes;
    int declination; // degrees
};

constexpr int kMeteorShowerCount = 28;

// Row s of the shower table, 0 .. 27.
const MeteorShower& MeteorShowerRow(int s);

// Zenith distances of the Sun at the ends of astronomical, nautical and
// civil twilight, degrees.
constexpr double kAstronomicalZenith = 108.0;
constexpr double kNauticalZenith = 102.0;
constexpr double kCivilZenith = 96.0;

// Hours between sunrise (or sunset), the Sun at altitude -0.8333 degrees,
// and the moment its zenith distance is z, for latitude phi and declination
// delta (signed degrees); 100.0 when the Sun does not reach z, or does not
// rise, that day. Hour angles from the spherical triangle, turned from
// degrees into hours and from sidereal to solar time.
double TwilightOffset(double phi, double delta, double z);

// t (local hours) as FormatHoursMinutes when 0 <= t < 24, else "-----"
// (IDS_NO_TIME). out holds kReportSlot bytes.
void TwilightTime(double t, char* out);
