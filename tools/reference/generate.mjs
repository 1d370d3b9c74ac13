// Writes the reference fixtures that tests/unit/reference_crosscheck_test.cpp
// reads: positions from astronomy-engine (VSOP87 planets, a full lunar
// theory, IAU 2006 precession, IAU 2000B nutation), an ephemeris wholly
// independent of the closed-form series the engine uses. The tests compare
// the engine against these numbers with tolerances sized to a low-precision
// method, so a mistyped coefficient or swapped argument shows as a failure.
//
// Usage: node generate.mjs <dir holding node_modules> <output dir>
// (tools/make-reference-fixture installs the pinned package and calls this.)
//
// Every instant is Universal Time given as year, month, day (Gregorian) and
// hour of the day; the engine takes the same four numbers. All choices are
// drawn from a fixed-seed generator, so the files are reproducible.

import { createRequire } from 'node:module';
import { writeFileSync, readFileSync } from 'node:fs';
import { join, resolve } from 'node:path';

const PINNED_VERSION = '2.1.19';

const [moduleDir, outDir] = process.argv.slice(2);
if (!moduleDir || !outDir) {
    console.error('usage: node generate.mjs <dir holding node_modules> <output dir>');
    process.exit(2);
}
const require = createRequire(join(resolve(moduleDir), 'package.json'));
const A = require('astronomy-engine');
const version = JSON.parse(readFileSync(
    join(resolve(moduleDir), 'node_modules', 'astronomy-engine', 'package.json'), 'utf8')).version;
if (version !== PINNED_VERSION) {
    // Another version could move the reference by more than the figures the
    // tests quote; regenerate only from the pinned one.
    console.error(`astronomy-engine ${version} found, ${PINNED_VERSION} required`);
    process.exit(1);
}

const DEG = Math.PI / 180;
const J2000_UNIX_MS = Date.UTC(2000, 0, 1, 12, 0, 0);
const DAY_MS = 86400000;

// Mulberry32: small, well mixed and identical on every platform.
function makeRandom(seed) {
    let a = seed >>> 0;
    return () => {
        a = (a + 0x6d2b79f5) >>> 0;
        let t = a;
        t = Math.imul(t ^ (t >>> 15), t | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
}

// An instant as the engine sees it. The hour is rounded to a microhour and
// written with exactly those digits, so both sides start from one number.
function instant(year, month, day, hour) {
    const hourText = hour.toFixed(6);
    const ut = (Date.UTC(year, month - 1, day) - J2000_UNIX_MS) / DAY_MS + Number(hourText) / 24;
    return { year, month, day, hourText, time: A.MakeTime(ut) };
}

const FIRST_DAY_MS = Date.UTC(1900, 0, 1);
const LAST_DAY_MS = Date.UTC(2100, 11, 31);

function randomDate(random) {
    const span = (LAST_DAY_MS - FIRST_DAY_MS) / DAY_MS + 1;
    const date = new Date(FIRST_DAY_MS + Math.floor(random() * span) * DAY_MS);
    return [date.getUTCFullYear(), date.getUTCMonth() + 1, date.getUTCDate()];
}

function randomInstant(random) {
    const [year, month, day] = randomDate(random);
    return instant(year, month, day, random() * 24);
}

// Round dates: the ends of the range, the epochs of the two theories, and
// dates near an equinox and a solstice.
function roundInstants() {
    return [
        instant(1900, 1, 1, 0),
        instant(1900, 1, 1, 12),
        instant(1925, 7, 1, 6),
        instant(1950, 1, 1, 0),
        instant(1975, 10, 15, 18),
        instant(2000, 1, 1, 12),
        instant(2024, 3, 20, 3),
        instant(2050, 6, 21, 12),
        instant(2075, 12, 22, 21),
        instant(2100, 12, 31, 23.5),
    ];
}

function instants(seed, count) {
    const random = makeRandom(seed);
    const list = roundInstants();
    for (let i = 0; i < count; ++i) {
        list.push(randomInstant(random));
    }
    return list;
}

const fmt = (x, digits) => x.toFixed(digits);

function unitVector(v) {
    const n = Math.hypot(v[0], v[1], v[2]);
    return [v[0] / n, v[1] / n, v[2] / n];
}
const dot = (a, b) => a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
const cross = (a, b) => [a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2],
                         a[0] * b[1] - a[1] * b[0]];
const asArray = (v) => [v.x, v.y, v.z];

function writeCsv(name, comments, header, rows) {
    const lines = comments.map((c) => `# ${c}`);
    lines.push(header.join(','));
    for (const row of rows) {
        lines.push(row.join(','));
    }
    writeFileSync(join(outDir, name), lines.join('\n') + '\n');
    console.log(`${name}: ${rows.length} rows`);
}

const provenance = `astronomy-engine ${version}, written by tools/reference/generate.mjs`;

// ---------------------------------------------------------------------------
// reference_bodies.csv
//
// Geocentric apparent places: astronomy-engine's geocentric vector with
// light time and aberration, rotated into the true equator and equinox of
// date -- what Equator(body, t, observer, true, true) gives for an observer
// at the Earth's centre. The heliocentric ecliptic coordinates are
// geometric (no light time) and referred to the ecliptic and mean equinox of
// date, as the engine's mean elements are: the true-ecliptic longitude less
// the nutation in longitude (nutation moves the equinox along the ecliptic,
// not the ecliptic itself).

const BODIES = ['Sun', 'Moon', 'Mercury', 'Venus', 'Mars', 'Jupiter', 'Saturn', 'Uranus',
                'Neptune', 'Pluto'];

function bodyRow(name, at) {
    const t = at.time;
    const body = A.Body[name];
    const geo = A.GeoVector(body, t, true);
    const ofDate = A.EquatorFromVector(A.RotateVector(A.Rotation_EQJ_EQD(t), geo));
    const row = [name, at.year, at.month, at.day, at.hourText, fmt(ofDate.ra, 8),
                 fmt(ofDate.dec, 7), fmt(ofDate.dist, 9)];
    if (name === 'Moon') {
        row.push(fmt(ofDate.dist * A.KM_PER_AU, 3));
    } else {
        row.push('');
    }
    if (name === 'Sun' || name === 'Moon') {
        row.push('', '', '');
    } else {
        const helio = A.SphereFromVector(A.RotateVector(A.Rotation_EQJ_ECT(t),
                                                        A.HelioVector(body, t)));
        const meanLon = (helio.lon - A.e_tilt(t).dpsi / 3600 + 360) % 360;
        row.push(fmt(meanLon, 7), fmt(helio.lat, 7), fmt(helio.dist, 9));
    }
    if (name === 'Sun') {
        row.push('', '');
    } else {
        row.push(fmt(A.Illumination(body, t).phase_fraction, 7));
        row.push(name === 'Moon' ? '' : fmt(A.Elongation(body, t).elongation, 7));
    }
    return row;
}

{
    const rows = [];
    for (const at of instants(19000101, 90)) {
        for (const name of BODIES) {
            rows.push(bodyRow(name, at));
        }
    }
    writeCsv('reference_bodies.csv', [
        provenance,
        'One row per body and UT instant (1900..2100).',
        'body: Sun, Moon, Mercury .. Pluto',
        'year, month, day, hour: the UT instant (Gregorian date, hour of the day)',
        'ra_h, dec_deg: geocentric apparent right ascension (hours) and declination',
        '  (degrees) of the true equator and equinox of date, with light time and aberration',
        'dist_au: geocentric distance, AU; dist_km: the same in km (Moon only)',
        'helio_lon_deg, helio_lat_deg, helio_r_au (planets only): geometric heliocentric',
        '  ecliptic longitude and latitude of the ecliptic and mean equinox of date, and',
        '  the radius vector in AU',
        'illum: illuminated fraction of the disk, 0..1 (Moon and planets)',
        'elong_deg: angle Sun-Earth-planet, degrees (planets only)',
        'Empty cells: not given for that body.',
    ], ['body', 'year', 'month', 'day', 'hour', 'ra_h', 'dec_deg', 'dist_au', 'dist_km',
        'helio_lon_deg', 'helio_lat_deg', 'helio_r_au', 'illum', 'elong_deg'], rows);
}

// ---------------------------------------------------------------------------
// reference_riseset.csv
//
// The engine's event is the moment the body's centre, seen from the Earth's
// centre, reaches the standard altitude h0: Sun -0.8333 deg, Moon
// 0.7275 pi - 0.5667 deg (pi its horizontal parallax), planets -0.5667 deg.
// SearchRiseSet instead finds the upper limb at -34' of topocentric altitude
// (refraction 34', the Sun's radius from its distance, the Moon's from its
// distance, planets as points). For the Sun that is the centre at
// -(34' + 15.8'..16.3') against -50.0'; for the Moon the topocentric centre at
// -(34' + s) is the geocentric centre at pi - s - 34' with s = 0.2725 pi, the
// engine's h0. The remaining differences -- the Sun's varying radius, the
// Sun's 9" parallax, the Earth's flattening in the Moon's parallax -- are a
// few seconds of time. The observer stands at sea level (the engine ignores
// elevation here).

const PLACES = [
    // name, latitude magnitude, N/S, longitude magnitude, W/E, time zone (h)
    ['Greenwich', 51.4772, 'N', 0.0005, 'W', 0],
    ['Sydney', 33.8688, 'S', 151.2093, 'E', 10],
    ['45N 75W', 45.0, 'N', 75.0, 'W', -5],
    ['Singapore', 1.2897, 'N', 103.8501, 'E', 8],
];
const RISESET_BODIES = ['Sun', 'Moon', 'Venus', 'Jupiter'];

function localHours(event, start) {
    return event === null ? '' : fmt((event.ut - start.ut) * 24, 6);
}

{
    const random = makeRandom(51477200);
    const rows = [];
    for (const [place, lat, ns, lon, we, tz] of PLACES) {
        const observer = new A.Observer(ns === 'N' ? lat : -lat, we === 'E' ? lon : -lon, 0);
        const dates = [[1900, 1, 1], [2000, 3, 20], [2000, 6, 21], [2000, 12, 21],
                       [2100, 12, 31]];
        for (let i = 0; i < 38; ++i) {
            dates.push(randomDate(random));
        }
        for (const [year, month, day] of dates) {
            // Local midnight that opens the local date, as a UT instant.
            const start = instant(year, month, day, 0).time.AddDays(-tz / 24);
            for (const name of RISESET_BODIES) {
                const body = A.Body[name];
                const rise = A.SearchRiseSet(body, observer, +1, start, 1);
                const set = A.SearchRiseSet(body, observer, -1, start, 1);
                rows.push([place, lat, ns, lon, we, tz, year, month, day, name,
                           localHours(rise, start), localHours(set, start)]);
            }
        }
    }
    writeCsv('reference_riseset.csv', [
        provenance,
        'Rise and set of the Sun, the Moon, Venus and Jupiter on local dates 1900..2100.',
        'place; lat, lat_hem (N/S), lon, lon_hem (W/E): magnitudes in degrees and hemispheres;',
        '  tz: hours of local standard time ahead of UT; the observer is at sea level',
        'year, month, day: the local date; body: Sun, Moon, Venus, Jupiter',
        'rise, set: local standard time (UT + tz), hours after the local midnight that opens',
        '  the date; empty when no such event falls within that local date',
        'Event: upper limb at -34\' topocentric altitude (refraction 34\'; planets as points),',
        '  i.e. the centre at about -50\' for the Sun and at the geocentric altitude',
        '  0.7275 pi - 34\' for the Moon',
    ], ['place', 'lat', 'lat_hem', 'lon', 'lon_hem', 'tz', 'year', 'month', 'day', 'body',
        'rise', 'set'], rows);
}

// ---------------------------------------------------------------------------
// reference_jupiter_moons.csv
//
// Which way is the engine's x? Its moons move on circles with
// x = -r sin u, y = r cos u sin De, and the same routine counts a moon as on
// the far side of Jupiter (z < 0, and hidden when inside the disk) for
// 90 <= u <= 270. So u = 180 is superior conjunction and u = 0 is inferior
// conjunction: the moon straight in front of Jupiter. The orbits are
// prograde: seen from the Earth, a moon in front of the planet moves from
// east to west (transits cross the disk toward the west), and a quarter of
// an orbit later (u = 90) it stands at western elongation. There
// x = -r: positive x points EAST along Jupiter's equator. For y: when the
// Earth is north of Jupiter's equatorial plane (De > 0), a moon in front of
// the planet (u = 0) is projected south of its centre, where the engine has
// y = +r sin De: positive y points toward Jupiter's SOUTH pole. The picture
// is the sky turned through 180 degrees, as an inverting telescope shows it.
// (Evaluating the engine's u-series at a few instants against the vectors
// below confirms it: u near 0 comes with the moon nearer than Jupiter, and
// u near 90 with the moon west of it.) The columns are written in that
// convention so the test compares them directly.
//
// Projection: the Earth-to-Jupiter direction s with light time (Earth now,
// Jupiter and its moons as they were when the light left); the sky-plane
// north n is Jupiter's pole (IAU rotation model) with its component along s
// removed; w = s x n lies along the projected equator and points west
// (right-handed: looking along s with n up, s x n is to the right, which on
// the sky is west). Offsets are orthographic, in Jupiter's equatorial radius.

const JUPITER_RADIUS_AU = A.JUPITER_EQUATORIAL_RADIUS_KM / A.KM_PER_AU;
const JUPITER_POLAR_RATIO = A.JUPITER_POLAR_RADIUS_KM / A.JUPITER_EQUATORIAL_RADIUS_KM;
const MOON_NAMES = ['io', 'europa', 'ganymede', 'callisto'];

{
    const rows = [];
    for (const at of instants(16100107, 150)) {
        const t = at.time;
        const jupiter = A.GeoVector(A.Body.Jupiter, t, false); // light time, no aberration
        const s = unitVector(asArray(jupiter));
        const lightTime = jupiter.Length() / A.C_AUDAY;
        const emitted = t.AddDays(-lightTime);
        const pole = asArray(A.RotationAxis(A.Body.Jupiter, emitted).north);
        const n = unitVector(pole.map((p, k) => p - dot(pole, s) * s[k]));
        const west = cross(s, n);
        const moons = A.JupiterMoons(emitted);
        MOON_NAMES.forEach((moonName, index) => {
            const v = asArray(moons[moonName]);
            const x = -dot(v, west) / JUPITER_RADIUS_AU;
            const y = -dot(v, n) / JUPITER_RADIUS_AU;
            const z = -dot(v, s) / JUPITER_RADIUS_AU;
            // Hidden: behind the planet and inside its flattened disk as seen.
            const inside = x * x + (y / JUPITER_POLAR_RATIO) * (y / JUPITER_POLAR_RATIO) < 1;
            const hidden = z < 0 && inside ? 1 : 0;
            rows.push([at.year, at.month, at.day, at.hourText, index + 1, fmt(x, 5), fmt(y, 5),
                       fmt(z, 5), hidden]);
        });
    }
    writeCsv('reference_jupiter_moons.csv', [
        provenance,
        'Apparent offsets of the Galilean moons from Jupiter as seen from the Earth, with light',
        'time, in Jupiter equatorial radii (71492 km), orthographic projection, UT 1900..2100.',
        'year, month, day, hour: the UT instant; moon: 1 Io, 2 Europa, 3 Ganymede, 4 Callisto',
        'x: along Jupiter\'s projected equator, positive toward the EAST',
        'y: perpendicular to it, positive toward Jupiter\'s SOUTH pole',
        'z: along the line of sight, positive toward the Earth (negative: beyond Jupiter)',
        'hidden: 1 when the moon is beyond Jupiter and inside its flattened disk as seen',
        '(x and y point as in the engine\'s x = -r sin u, y = r cos u sin De with u = 0 at',
        'inferior conjunction; see the derivation in tools/reference/generate.mjs)',
    ], ['year', 'month', 'day', 'hour', 'moon', 'x', 'y', 'z', 'hidden'], rows);
}

// ---------------------------------------------------------------------------
// reference_stars.csv
//
// A fixed catalogue direction of J2000 (no proper motion, parallax or
// light deflection) carried to the apparent place of date: annual
// aberration from the Earth's barycentric velocity (the full relativistic
// formula, in the J2000 frame), then precession and nutation with
// Rotation_EQJ_EQD.

const STARS = [
    // name, J2000 right ascension h m s, declination sign d m s
    ['Sirius', [6, 45, 8.917], -1, [16, 42, 58.02]],
    ['Canopus', [6, 23, 57.110], -1, [52, 41, 44.38]],
    ['Arcturus', [14, 15, 39.672], +1, [19, 10, 56.67]],
    ['Vega', [18, 36, 56.336], +1, [38, 47, 1.28]],
    ['Capella', [5, 16, 41.359], +1, [45, 59, 52.77]],
    ['Rigel', [5, 14, 32.272], -1, [8, 12, 5.90]],
    ['Betelgeuse', [5, 55, 10.305], +1, [7, 24, 25.43]],
    ['Altair', [19, 50, 46.999], +1, [8, 52, 5.96]],
    ['Spica', [13, 25, 11.579], -1, [11, 9, 40.75]],
    ['Antares', [16, 29, 24.460], -1, [26, 25, 55.21]],
    ['Fomalhaut', [22, 57, 39.046], -1, [29, 37, 20.05]],
    ['Polaris', [2, 31, 49.095], +1, [89, 15, 50.79]],
];

function apparentStar(raHours, decDeg, t) {
    const a = raHours * 15 * DEG;
    const d = decDeg * DEG;
    const u = [Math.cos(d) * Math.cos(a), Math.cos(d) * Math.sin(a), Math.sin(d)];
    const earth = A.BaryState(A.Body.Earth, t);
    const beta = [earth.vx, earth.vy, earth.vz].map((v) => v / A.C_AUDAY);
    const b2 = dot(beta, beta);
    const gammaInv = Math.sqrt(1 - b2);
    const ub = dot(u, beta);
    const f = 1 + ub;
    const k = 1 + ub / (1 + gammaInv);
    const moved = u.map((c, i) => (gammaInv * c + k * beta[i]) / f);
    const vec = new A.Vector(moved[0], moved[1], moved[2], t);
    return A.EquatorFromVector(A.RotateVector(A.Rotation_EQJ_EQD(t), vec));
}

{
    const rows = [];
    for (const at of instants(18360556, 20)) {
        for (const [name, [rh, rm, rs], sign, [dd, dm, ds]] of STARS) {
            const ra0 = rh + rm / 60 + rs / 3600;
            const dec0 = sign * (dd + dm / 60 + ds / 3600);
            const place = apparentStar(ra0, dec0, at.time);
            rows.push([name, fmt(ra0, 9), fmt(dec0, 8), at.year, at.month, at.day, at.hourText,
                       fmt(place.ra, 9), fmt(place.dec, 8)]);
        }
    }
    writeCsv('reference_stars.csv', [
        provenance,
        'Apparent places of date of fixed J2000 directions (no proper motion) at UT 1900..2100.',
        'star; ra2000_h, dec2000_deg: the catalogue place, equator and equinox J2000',
        'year, month, day, hour: the UT instant',
        'ra_h, dec_deg: apparent right ascension (hours, 0..24) and declination (degrees),',
        '  true equator and equinox of date: IAU 2006 precession, IAU 2000B nutation and annual',
        '  aberration from the Earth\'s barycentric velocity; no light deflection',
    ], ['star', 'ra2000_h', 'dec2000_deg', 'year', 'month', 'day', 'hour', 'ra_h', 'dec_deg'],
    rows);
}

// ---------------------------------------------------------------------------
// reference_local_solar_places.csv, reference_local_solar_eclipses.csv
//
// Every solar eclipse seen from a place over a span of its local calendar
// years, by SearchLocalSolarEclipse / NextLocalSolarEclipse: the library
// finds, for each new Moon near a node, the instant the observer comes
// nearest to the Sun-Moon axis, keeps the eclipse when the observer is then
// inside the penumbra, and drops it when the Sun's centre is below the
// horizon (refracted altitude <= 0) at both the first and the last contact.
// A span with no such eclipse is listed in the places file all the same, so
// a test can check that nothing else is found there.
//
// The library gives the obscuration but no magnitude. The magnitude at the
// peak is the fraction of the Sun's diameter covered, from the topocentric
// apparent places of the Sun and the Moon at that instant:
// (s + m - c) / (2 s), s and m the angular radii (695700 km for the Sun,
// 1737.4 km for the Moon, the library's own radii) and c the separation of
// the centres.
//
// Each event time is a Julian day of UT. Each altitude is the topocentric
// altitude of the Sun's centre at that instant, twice: as the library
// reports it (refracted, 'normal' refraction) and geometric (airless).

const SUN_RADIUS_KM = 695700.0;
const MOON_RADIUS_KM = 1737.4;
const JD_OF_J2000 = 2451545.0;

const ECLIPSE_PLACES = [
    // name, latitude magnitude, N/S, longitude magnitude, W/E, elevation (m),
    // time zone (h), first and last local year, what the span is there for
    ['Dallas', 32.7767, 'N', 96.797, 'W', 139, -6, 2024, 2024, 'total of 2024 April 8'],
    ['Albuquerque', 35.0844, 'N', 106.6504, 'W', 1619, -7, 2023, 2023, 'annular of 2023 October 14'],
    ['New York', 40.7128, 'N', 74.006, 'W', 10, -5, 2021, 2021, 'begins before sunrise'],
    ['Honolulu', 21.3069, 'N', 157.8583, 'W', 5, -10, 2024, 2024, 'begins before sunrise'],
    ['Dublin', 53.3498, 'N', 6.2603, 'W', 20, 0, 2024, 2024, 'ends after sunset'],
    ['El Obeid', 13.1833, 'N', 30.2167, 'E', 570, 2, 2022, 2022, 'grazing partial'],
    ['Kadugli', 11.01, 'N', 29.72, 'E', 500, 2, 2022, 2022, 'partial at the very limit'],
    ['Longyearbyen', 78.2232, 'N', 15.6267, 'E', 10, 1, 2015, 2015, 'total in the high Arctic'],
    ['McMurdo', 77.846, 'S', 166.676, 'E', 10, 12, 2021, 2021, 'deep partial in the Antarctic summer'],
    ['Sobral', 3.688, 'S', 40.3497, 'W', 70, -3, 1919, 1919, 'total of 1919 May 29'],
    ['Munich', 48.1351, 'N', 11.582, 'E', 520, 1, 1999, 1999, 'total of 1999 August 11'],
    ['La Paz', 16.4897, 'S', 68.1193, 'W', 3640, -4, 1994, 1994, 'high place'],
    ['68N 150E', 68.0, 'N', 150.0, 'E', 0, 11, 2019, 2019, 'Sun up only between the contacts'],
    ['Perth', 31.9523, 'S', 115.8613, 'E', 20, 8, 2024, 2024, 'night side of 2024 October 2'],
];

// Spans at fixed latitudes from pole to pole; longitude, elevation and the
// first year drawn from the seeded generator.
const ECLIPSE_LATITUDES = [-66, -55, -45, -35, -25, -15, -5, 5, 15, 25, 35, 45, 55, 66];
const ECLIPSE_SPAN_YEARS = 5;

// Central eclipses: in each of eight 25-year strata of 1900..2099, the first
// total or annular eclipse after a drawn date, seen from its point of
// greatest eclipse (on the central line, so the second and third contacts
// are well defined there).
const CENTRAL_STRATA = 8;

function centralEclipsePlaces(random) {
    const places = [];
    for (let k = 0; k < CENTRAL_STRATA; ++k) {
        const firstDay = Date.UTC(1900 + 25 * k, 0, 1);
        const days = (Date.UTC(1900 + 25 * (k + 1), 0, 1) - firstDay) / DAY_MS;
        const start = (firstDay - J2000_UNIX_MS) / DAY_MS + Math.floor(random() * days);
        let eclipse = A.SearchGlobalSolarEclipse(A.MakeTime(start));
        while (eclipse.kind !== A.EclipseKind.Total && eclipse.kind !== A.EclipseKind.Annular) {
            eclipse = A.NextGlobalSolarEclipse(eclipse.peak);
        }
        const lat = Math.round(eclipse.latitude * 10000) / 10000;
        const lon = Math.round(eclipse.longitude * 10000) / 10000;
        const tz = Math.round(lon / 15);
        const local = new Date((eclipse.peak.ut + tz / 24) * DAY_MS + J2000_UNIX_MS);
        const year = local.getUTCFullYear();
        places.push([`central ${eclipse.peak.date.toISOString().slice(0, 10)}`, Math.abs(lat),
                     lat < 0 ? 'S' : 'N', Math.abs(lon), lon < 0 ? 'W' : 'E', 0, tz, year, year,
                     `${eclipse.kind} seen from its greatest eclipse`]);
    }
    return places;
}

function randomEclipsePlaces(random) {
    return ECLIPSE_LATITUDES.map((lat) => {
        const lon = Math.round((random() * 360 - 180) * 10000) / 10000;
        const elevation = Math.floor(random() * 2000);
        const first = 1900 + Math.floor(random() * (2101 - ECLIPSE_SPAN_YEARS - 1900 + 1));
        const name = `${Math.abs(lat)}${lat < 0 ? 'S' : 'N'} ${Math.abs(lon).toFixed(1)}${
            lon < 0 ? 'W' : 'E'}`;
        return [name, Math.abs(lat), lat < 0 ? 'S' : 'N', Math.abs(lon), lon < 0 ? 'W' : 'E',
                elevation, Math.round(lon / 15), first, first + ECLIPSE_SPAN_YEARS - 1,
                'drawn'];
    });
}

// Julian day (UT) of local midnight opening January 1 of the year.
function localNewYear(year, tz) {
    return (Date.UTC(year, 0, 1) - J2000_UNIX_MS) / DAY_MS - tz / 24;
}

function eclipseEventCells(event, observer) {
    if (!event) {
        return ['', '', ''];
    }
    const sun = A.Equator(A.Body.Sun, event.time, observer, true, true);
    const airless = A.Horizon(event.time, observer, sun.ra, sun.dec, '');
    return [fmt(event.time.ut + JD_OF_J2000, 6), fmt(event.altitude, 3),
            fmt(airless.altitude, 3)];
}

function peakMagnitude(time, observer) {
    const sun = A.Equator(A.Body.Sun, time, observer, true, true);
    const moon = A.Equator(A.Body.Moon, time, observer, true, true);
    const s = Math.asin(SUN_RADIUS_KM / (sun.dist * A.KM_PER_AU));
    const m = Math.asin(MOON_RADIUS_KM / (moon.dist * A.KM_PER_AU));
    const c = A.AngleBetween(sun.vec, moon.vec) * DEG;
    return (s + m - c) / (2 * s);
}

// The engine's Delta T, to isolate its method from its Delta T: the nearest
// row of its table for 1710..1980 (on a tie the earlier row), elsewhere
// 0.41 + 1.2053 T + 0.4992 T^2 minutes with T the Julian centuries from 1900
// January 1 to January 1 of the year; the year is the calendar year of the
// UT instant, as the engine takes it.
const ENGINE_DELTA_T_MINUTES = [
    [1710, -0.2], [1730, -0.1], [1750, 0.0], [1770, 0.1], [1800, 0.1], [1840, 0.0],
    [1870, 0.0], [1880, -0.1], [1895, -0.1], [1903, 0.0], [1912, 0.2], [1927, 0.4],
    [1940, 0.4], [1950, 0.5], [1965, 0.6], [1971, 0.7], [1977, 0.8], [1980, 0.85],
];

function engineDeltaTSeconds(ut) {
    const year = new Date(J2000_UNIX_MS + ut * DAY_MS).getUTCFullYear();
    if (year >= 1710 && year <= 1980) {
        let best = ENGINE_DELTA_T_MINUTES[0];
        for (const row of ENGINE_DELTA_T_MINUTES) {
            if (Math.abs(year - row[0]) < Math.abs(year - best[0])) {
                best = row;
            }
        }
        return best[1] * 60;
    }
    const T = (Date.UTC(year, 0, 1) - Date.UTC(1900, 0, 1)) / DAY_MS / 36525;
    return (0.41 + 1.2053 * T + 0.4992 * T * T) * 60;
}

// The same eclipse found again with the engine's Delta T: its event times
// and magnitude, or empty cells when the library then finds none there.
function withEngineDeltaT(eclipse, observer) {
    A.SetDeltaTFunction(engineDeltaTSeconds);
    try {
        const again = A.SearchLocalSolarEclipse(A.MakeTime(eclipse.peak.time.ut - 1), observer);
        if (Math.abs(again.peak.time.ut - eclipse.peak.time.ut) > 0.25) {
            return ['', '', '', '', '', ''];
        }
        const jd = (event) => (event ? fmt(event.time.ut + JD_OF_J2000, 6) : '');
        return [jd(again.partial_begin), jd(again.total_begin), jd(again.peak), jd(again.total_end),
                jd(again.partial_end), fmt(peakMagnitude(again.peak.time, observer), 5)];
    } finally {
        A.SetDeltaTFunction(A.DeltaT_EspenakMeeus);
    }
}

{
    const places = [...ECLIPSE_PLACES, ...centralEclipsePlaces(makeRandom(19190529)),
                    ...randomEclipsePlaces(makeRandom(20240408))];
    const placeRows = [];
    const rows = [];
    for (const [place, lat, ns, lon, we, elevation, tz, first, last, note] of places) {
        placeRows.push([place, lat, ns, lon, we, elevation, tz, first, last, note]);
        const observer = new A.Observer(ns === 'N' ? lat : -lat, we === 'E' ? lon : -lon,
                                        elevation);
        const end = localNewYear(last + 1, tz);
        let eclipse = A.SearchLocalSolarEclipse(A.MakeTime(localNewYear(first, tz)), observer);
        while (eclipse.peak.time.ut < end) {
            rows.push([place, first, eclipse.kind,
                       fmt(eclipse.obscuration, 5), fmt(peakMagnitude(eclipse.peak.time, observer), 5),
                       ...eclipseEventCells(eclipse.partial_begin, observer),
                       ...eclipseEventCells(eclipse.total_begin, observer),
                       ...eclipseEventCells(eclipse.peak, observer),
                       ...eclipseEventCells(eclipse.total_end, observer),
                       ...eclipseEventCells(eclipse.partial_end, observer),
                       ...withEngineDeltaT(eclipse, observer)]);
            eclipse = A.NextLocalSolarEclipse(eclipse.peak.time, observer);
        }
    }
    writeCsv('reference_local_solar_places.csv', [
        provenance,
        'Places and spans of local calendar years searched for solar eclipses seen there',
        '(reference_local_solar_eclipses.csv lists every one found; a span may have none).',
        'place; lat, lat_hem (N/S), lon, lon_hem (W/E): magnitudes in degrees and hemispheres;',
        '  elevation_m: metres above sea level; tz: hours of local standard time ahead of UT',
        'first_year, last_year: the span, local calendar years (from local midnight opening',
        '  January 1 of first_year to the one opening January 1 after last_year)',
        'note: why the span is there (named cases, or drawn by a seeded generator)',
    ], ['place', 'lat', 'lat_hem', 'lon', 'lon_hem', 'elevation_m', 'tz', 'first_year',
        'last_year', 'note'], placeRows);
    writeCsv('reference_local_solar_eclipses.csv', [
        provenance,
        'Every solar eclipse SearchLocalSolarEclipse finds from each place of',
        'reference_local_solar_places.csv within its span (peak inside the span): at least',
        'partial there, and the Sun\'s centre above the horizon at the first or the last contact.',
        'place, first_year: the span of the places file',
        'kind: partial, annular or total at the place; obscuration: fraction of the Sun\'s disc',
        '  covered at the peak; magnitude: fraction of its diameter covered at the peak, from the',
        '  topocentric apparent Sun (radius 695700 km) and Moon (radius 1737.4 km)',
        'c1 first contact, c2 second, max the peak (observer nearest the Sun-Moon axis),',
        '  c3 third, c4 last contact; c2 and c3 only for an annular or total eclipse there',
        '*_jd: Julian day of UT; *_alt: altitude of the Sun\'s centre, degrees, refracted as the',
        '  library reports it; *_true_alt: the same without refraction',
        '*_edt: the same eclipse computed with the engine\'s Delta T in place of the library\'s',
        '  (the event times as Julian days of UT, and the magnitude); empty if not found then',
    ], ['place', 'first_year', 'kind', 'obscuration', 'magnitude',
        'c1_jd', 'c1_alt', 'c1_true_alt', 'c2_jd', 'c2_alt', 'c2_true_alt',
        'max_jd', 'max_alt', 'max_true_alt', 'c3_jd', 'c3_alt', 'c3_true_alt',
        'c4_jd', 'c4_alt', 'c4_true_alt', 'c1_edt', 'c2_edt', 'max_edt', 'c3_edt', 'c4_edt',
        'magnitude_edt'], rows);
}

// ---------------------------------------------------------------------------
// reference_seasons.csv, reference_moon_phases.csv,
// reference_lunar_eclipses.csv, reference_solar_eclipses.csv,
// reference_twilight.csv
//
// The events the Seasons, Calendar, Lunar and Solar Eclipse and Twilight
// reports list. Each instant is written twice, as a Julian day of UT and of
// TT (Terrestrial Time, what the engine calls Ephemeris Time), because the
// engine's event formulas work in ET and each report turns the result into
// UT in its own way: the seasons with the engine's Delta T, the phases and
// eclipses not at all (ET is shown as UT). The TT column lets a test take
// the reference's Delta T out and see the formula's own error.

const jdUt = (time) => fmt(time.ut + JD_OF_J2000, 6);
const jdTt = (time) => fmt(time.tt + JD_OF_J2000, 6);
const FIRST_YEAR = 1900;
const LAST_YEAR = 2100;
const afterLastYear = (Date.UTC(LAST_YEAR + 1, 0, 1) - J2000_UNIX_MS) / DAY_MS;

// Equinoxes and solstices: the Sun's apparent geocentric longitude of date
// reaching 0, 90, 180 and 270 degrees (SearchSunLongitude), every year.
// jd_edt is the same TT instant turned into UT with the engine's Delta T.
{
    const rows = [];
    for (let year = FIRST_YEAR; year <= LAST_YEAR; ++year) {
        const s = A.Seasons(year);
        [s.mar_equinox, s.jun_solstice, s.sep_equinox, s.dec_solstice].forEach((time, k) => {
            const edt = time.tt - engineDeltaTSeconds(time.ut) / 86400;
            rows.push([year, k, jdUt(time), jdTt(time), fmt(edt + JD_OF_J2000, 6)]);
        });
    }
    writeCsv('reference_seasons.csv', [
        provenance,
        'The equinoxes and solstices of every year 1900..2100: the Sun\'s apparent geocentric',
        'longitude (true equinox of date, with aberration) at 0, 90, 180 and 270 degrees.',
        'year; event: 0 March equinox, 1 June solstice, 2 September equinox, 3 December solstice',
        'jd_ut, jd_tt: the instant as a Julian day of UT and of TT',
        'jd_edt: the TT instant less the engine\'s Delta T, as a Julian day (what the engine',
        '  would give with an exact solar theory)',
    ], ['year', 'event', 'jd_ut', 'jd_tt', 'jd_edt'], rows);
}

// Moon phases: every quarter (SearchMoonQuarter: the Moon's apparent
// geocentric ecliptic longitude less the Sun's at 0, 90, 180, 270 degrees)
// whose UT instant falls in one calendar year drawn from each decade of
// 1900..2099, and in 2100.
{
    const random = makeRandom(29530589);
    const years = [];
    for (let decade = FIRST_YEAR; decade < LAST_YEAR; decade += 10) {
        years.push(decade + Math.floor(random() * 10));
    }
    years.push(LAST_YEAR);
    const rows = [];
    for (const year of years) {
        const end = (Date.UTC(year + 1, 0, 1) - J2000_UNIX_MS) / DAY_MS;
        let quarter = A.SearchMoonQuarter(A.MakeTime(new Date(Date.UTC(year, 0, 1))));
        while (quarter.time.ut < end) {
            rows.push([year, quarter.quarter, jdUt(quarter.time), jdTt(quarter.time)]);
            quarter = A.NextMoonQuarter(quarter);
        }
    }
    writeCsv('reference_moon_phases.csv', [
        provenance,
        'Every Moon phase whose UT instant falls in one calendar year drawn from each decade',
        'of 1900..2099 (fixed seed) and in 2100: the Moon\'s apparent geocentric ecliptic',
        'longitude less the Sun\'s at 0, 90, 180 and 270 degrees.',
        'year: the calendar year searched; phase: 0 new Moon, 1 first quarter, 2 full Moon,',
        '  3 last quarter',
        'jd_ut, jd_tt: the instant as a Julian day of UT and of TT',
    ], ['year', 'phase', 'jd_ut', 'jd_tt'], rows);
}

// Lunar eclipses: every one whose peak falls in 1900..2100
// (SearchLunarEclipse), penumbral ones too, so a test can check that none
// of them is listed. The peak is the instant the Moon's centre passes
// nearest the axis of the Earth's shadow. The library enlarges the Earth by
// 88 km of atmosphere (6459 km in all) for the shadow; the umbral magnitude
// is the fraction of the Moon's diameter inside that umbra at the peak,
// (k + m - r) / (2 m), from the library's own shadow geometry: k the umbra's
// radius at the Moon, r the Moon's distance from the axis, m the Moon's
// radius (1737.4 km). Negative for a penumbral eclipse.
const EARTH_ECLIPSE_RADIUS_KM = 6371.0 + 88.0;

function umbralMagnitude(time) {
    const s = A.GeoVector(A.Body.Sun, time, true);
    const dir = [-s.x, -s.y, -s.z];
    const m = asArray(A.GeoMoon(time));
    const u = dot(dir, m) / dot(dir, dir);
    const r = A.KM_PER_AU * Math.hypot(u * dir[0] - m[0], u * dir[1] - m[1], u * dir[2] - m[2]);
    const k = SUN_RADIUS_KM - (1 + u) * (SUN_RADIUS_KM - EARTH_ECLIPSE_RADIUS_KM);
    return (k + MOON_RADIUS_KM - r) / (2 * MOON_RADIUS_KM);
}

{
    const rows = [];
    let eclipse = A.SearchLunarEclipse(A.MakeTime(new Date(Date.UTC(FIRST_YEAR, 0, 1))));
    while (eclipse.peak.ut < afterLastYear) {
        rows.push([eclipse.kind, jdUt(eclipse.peak), jdTt(eclipse.peak),
                   fmt(umbralMagnitude(eclipse.peak), 5),
                   eclipse.sd_partial > 0 ? fmt(eclipse.sd_partial, 3) : '',
                   eclipse.sd_total > 0 ? fmt(eclipse.sd_total, 3) : '']);
        eclipse = A.NextLunarEclipse(eclipse.peak);
    }
    writeCsv('reference_lunar_eclipses.csv', [
        provenance,
        'Every lunar eclipse (penumbral ones too) with its peak in 1900..2100.',
        'kind: penumbral, partial or total',
        'peak_jd_ut, peak_jd_tt: the peak (the Moon\'s centre nearest the shadow\'s axis) as a',
        '  Julian day of UT and of TT',
        'magnitude: umbral magnitude at the peak (fraction of the Moon\'s diameter inside the',
        '  umbra of an Earth of radius 6371 + 88 km; negative when the Moon misses the umbra)',
        'sd_partial_min, sd_total_min: half the duration of the partial (umbral) and the total',
        '  phase, minutes; empty when there is no such phase',
    ], ['kind', 'peak_jd_ut', 'peak_jd_tt', 'magnitude', 'sd_partial_min', 'sd_total_min'], rows);
}

// Solar eclipses: every one whose peak falls in 1900..2100
// (SearchGlobalSolarEclipse). The peak is the instant the axis of the
// Moon's shadow passes nearest the Earth's centre. gamma is that least
// distance in Earth equatorial radii (6378.1366 km), positive when the axis
// passes north of the centre: the sign of the closest point's component
// along the Earth's axis of date, which lies in the plane through the
// Earth's centre perpendicular to the shadow, as the fundamental plane does.
const EARTH_EQUATORIAL_RADIUS_KM = 6378.1366;

function signedGamma(eclipse) {
    const time = eclipse.peak;
    const s = asArray(A.GeoVector(A.Body.Sun, time, true));
    const m = asArray(A.GeoMoon(time));
    const dir = m.map((c, i) => c - s[i]); // Sun to Moon: along the shadow
    const u = dot(dir, m) / dot(dir, dir);
    // The point of the axis nearest the Earth's centre, geocentric, of date.
    const nearest = new A.Vector(m[0] - u * dir[0], m[1] - u * dir[1], m[2] - u * dir[2], time);
    const ofDate = A.RotateVector(A.Rotation_EQJ_EQD(time), nearest);
    const sign = ofDate.z < 0 ? -1 : 1;
    return sign * eclipse.distance / EARTH_EQUATORIAL_RADIUS_KM;
}

{
    const rows = [];
    let eclipse = A.SearchGlobalSolarEclipse(A.MakeTime(new Date(Date.UTC(FIRST_YEAR, 0, 1))));
    while (eclipse.peak.ut < afterLastYear) {
        rows.push([eclipse.kind, jdUt(eclipse.peak), jdTt(eclipse.peak),
                   fmt(signedGamma(eclipse), 5)]);
        eclipse = A.NextGlobalSolarEclipse(eclipse.peak);
    }
    writeCsv('reference_solar_eclipses.csv', [
        provenance,
        'Every solar eclipse with its peak in 1900..2100.',
        'kind: partial, annular or total as seen at the peak (partial when the shadow\'s axis',
        '  misses the Earth)',
        'peak_jd_ut, peak_jd_tt: the peak (the shadow\'s axis nearest the Earth\'s centre) as a',
        '  Julian day of UT and of TT',
        'gamma: that least distance in Earth equatorial radii (6378.1366 km), positive when the',
        '  axis passes north of the Earth\'s centre',
    ], ['kind', 'peak_jd_ut', 'peak_jd_tt', 'gamma'], rows);
}

// Twilight: at each place, in one year drawn from 1900..2100, the dates the
// Twilight report lists (January 1 and every seventh day after it), the
// moments the Sun's centre (topocentric, airless) passes 18, 12 and 6
// degrees below the horizon: going up in the morning (the last such moment
// before local noon) and going down in the evening (the first after it), in
// local standard hours after the midnight that opens the date; below 0 or
// from 24 on, the event falls on the date before or after. Empty when the
// Sun does not pass that altitude. low_before and low_after are the Sun's
// lowest altitude in the night before and the night after the date (at its
// lower transit), where a test can see that the Sun only just reaches, or
// only just misses, an altitude.
const TWILIGHT_PLACES = [
    // name, latitude magnitude, N/S, longitude magnitude, W/E, time zone (h)
    ['Oslo', 59.9139, 'N', 10.7522, 'E', 1],
    ['Greenwich', 51.4772, 'N', 0.0005, 'W', 0],
    ['45N 75W', 45.0, 'N', 75.0, 'W', -5],
    ['Cairo', 30.0444, 'N', 31.2357, 'E', 2],
    ['Honolulu', 21.3069, 'N', 157.8583, 'W', -10],
    ['Singapore', 1.2897, 'N', 103.8501, 'E', 8],
    ['Sydney', 33.8688, 'S', 151.2093, 'E', 10],
    ['Punta Arenas', 53.1638, 'S', 70.9171, 'W', -5],
];
const TWILIGHT_DEPTHS = [18, 12, 6];

{
    const random = makeRandom(10812096);
    const rows = [];
    for (const [place, lat, ns, lon, we, tz] of TWILIGHT_PLACES) {
        const observer = new A.Observer(ns === 'N' ? lat : -lat, we === 'E' ? lon : -lon, 0);
        const year = FIRST_YEAR + Math.floor(random() * (LAST_YEAR - FIRST_YEAR + 1));
        const last = Date.UTC(year, 11, 31);
        for (let ms = Date.UTC(year, 0, 1); ms <= last; ms += 7 * DAY_MS) {
            const date = new Date(ms);
            const month = date.getUTCMonth() + 1;
            const day = date.getUTCDate();
            const midnight = instant(year, month, day, 0).time.AddDays(-tz / 24);
            const noon = midnight.AddDays(0.5);
            const cells = [];
            for (const depth of TWILIGHT_DEPTHS) {
                const begin = A.SearchAltitude(A.Body.Sun, observer, +1, noon.AddDays(-1), 1, -depth);
                const end = A.SearchAltitude(A.Body.Sun, observer, -1, noon, 1, -depth);
                cells.push(localHours(begin, midnight), localHours(end, midnight));
            }
            const lowest = (start) => {
                const transit = A.SearchHourAngle(A.Body.Sun, observer, 12, start, +1);
                return fmt(transit.hor.altitude, 3);
            };
            rows.push([place, lat, ns, lon, we, tz, year, month, day, ...cells,
                       lowest(noon.AddDays(-1)), lowest(noon)]);
        }
    }
    writeCsv('reference_twilight.csv', [
        provenance,
        'Twilight on the dates the Twilight report lists (January 1 and every 7th day after),',
        'at eight places, each in one year drawn from 1900..2100 (fixed seed).',
        'place; lat, lat_hem (N/S), lon, lon_hem (W/E): magnitudes in degrees and hemispheres;',
        '  tz: hours of local standard time ahead of UT; the observer is at sea level',
        'year, month, day: the local date',
        'astro_*, nautical_*, civil_*: the Sun\'s centre (topocentric, no refraction) at -18, -12',
        '  and -6 degrees; *_begin going up, the last such moment before local noon; *_end',
        '  going down, the first after it; local standard hours (UT + tz) after the midnight',
        '  that opens the date (below 0 or from 24 on: the date before or after); empty when',
        '  the Sun does not pass that altitude',
        'low_before, low_after: the Sun\'s altitude at its lower transit in the night before',
        '  and the night after local noon, degrees (refracted above -1 degree or so)',
    ], ['place', 'lat', 'lat_hem', 'lon', 'lon_hem', 'tz', 'year', 'month', 'day',
        'astro_begin', 'astro_end', 'nautical_begin', 'nautical_end', 'civil_begin',
        'civil_end', 'low_before', 'low_after'], rows);
}
