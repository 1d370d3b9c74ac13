#include "movies/planetarium.h"

#include "engine/angles.h"
#include "engine/frames.h"
#include "engine/moon.h"
#include "engine/planets.h"
#include "engine/riseset.h"
#include "engine/stars.h"
#include "engine/sun.h"
#include "engine/time.h"

#include <cmath>

namespace {

constexpr int kRotation[9] = {0, 3, 4, 5, 6, 7, 8, 9, 10};
constexpr double kSiderealTurnsPerHour = 0.041780746218582264;
constexpr double kLightTimeDays = 0.005775599728083529;
constexpr double kShadowScale = 3.6698158803222096;

bool InSet(unsigned set, int bit) {
    return (set >> bit) & 1u;
}

// Radius of the Sun's or the Moon's disc: its true size at the narrowest
// view, a fixed three characters otherwise.
double LuminaryRadius(double viewAngle, double semidiameter, double R, int charWidth) {
    if (viewAngle == 5.0) {
        return std::sqrt(2.0) * TanDeg(semidiameter) * R / TanDeg(2.5);
    }
    return 3.0 * charWidth;
}

void ComputeBody(int b, PlanetariumState& st, const Location& loc, const CalendarTime& t,
                 double viewAngle, double R, int charWidth) {
    SkyBody& body = st.body[b];
    double alpha = 0, delta = 0;
    if (b == 0) {
        const SunPlace sun = SunPosition(t, true);
        alpha = sun.alpha;
        delta = sun.delta;
        Topocentric(loc, false, sun.R, 0.0, t, alpha, delta);
        st.sunSemidiameter = sun.semidiameter;
        body.radius = LuminaryRadius(viewAngle, sun.semidiameter, R, charWidth);
    } else if (b == 1) {
        const MoonPlace moon = MoonPosition(t);
        alpha = moon.alpha;
        delta = moon.delta;
        Topocentric(loc, true, 0.0, moon.parallax, t, alpha, delta);
        body.k = moon.k;
        body.u = moon.u;
        st.moonParallax = moon.parallax;
        st.moonSemidiameter = moon.semidiameter;
        body.radius = LuminaryRadius(viewAngle, moon.semidiameter, R, charWidth);
    } else if (IsPlanet(b)) {
        const PlanetPlace planet = PlanetPosition(b, t, true);
        alpha = planet.alpha;
        delta = planet.delta;
        Topocentric(loc, false, planet.distance, 0.0, t, alpha, delta);
        body.k = planet.k;
        body.radius = charWidth / 2;
    } else {
        return;
    }
    SphereUnitVector(alpha, delta, body.v);
    body.computed = true;
}

// The star's direction: its apparent place of the date when it is due (at
// most one per pass), else the stored one. A star never computed yet has
// its catalogue place, so the whole sky shows from the first frame.
void StarDirection(StarRecord& star, bool& computedThisPass, double jdDate) {
    if (!star.placeComputed && !computedThisPass) {
        double alpha = 0, delta = 0;
        StarApparentPlace(2000, star.rightAscension, star.declination, jdDate, alpha, delta);
        SphereUnitVector(alpha, delta, star.direction);
        star.placeComputed = true;
        computedThisPass = true;
    } else if (star.direction[0] == 0.0 && star.direction[1] == 0.0 && star.direction[2] == 0.0) {
        SphereUnitVector(star.rightAscension, star.declination, star.direction);
    }
}

void ProjectStar(const SkyProjection& p, StarRecord& star, int side) {
    int x = 0, y = 0;
    const bool inView = ProjectDirection(p, star.direction, x, y);
    star.screenX = x;
    star.screenY = y;
    star.inView = inView && x >= 0 && x <= side && y >= 0 && y <= side;
}

void ProjectBody(const SkyProjection& p, SkyBody& body) {
    body.inView = body.computed && ProjectDirection(p, body.v, body.x, body.y);
    body.r = static_cast<int>(body.radius);
}

// The Earth's shadow at the Moon's distance, opposite the Sun of light time
// before the clock; its discs are kept only where they overlap the Moon.
void ComputeShadow(PlanetariumState& st, const Location& loc, const SkyProjection& p) {
    st.umbra.inView = false;
    st.penumbra.inView = false;
    const SkyBody& moon = st.body[1];
    if (!moon.computed || moon.k <= 0.75) {
        return;
    }
    const CalendarTime t = SplitJulianDay(st.clock - kLightTimeDays);
    const SunPlace sun = SunPosition(t, true);
    double alpha = NormalizeDegrees(15.0 * sun.alpha + 180.0) / 15.0;
    double delta = NormalizeDegrees(-sun.delta);
    Topocentric(loc, true, 0.0, st.moonParallax, t, alpha, delta);
    SkyBody shadow;
    SphereUnitVector(alpha, delta, shadow.v);
    shadow.computed = true;
    if (!ProjectDirection(p, shadow.v, shadow.x, shadow.y)) {
        return;
    }
    st.umbra = shadow;
    st.umbra.r = RoundHalfUp(std::fabs(0.7404 - moon.u) * kShadowScale * moon.radius);
    st.penumbra = shadow;
    st.penumbra.r = RoundHalfUp(moon.radius * std::fabs(moon.u + 1.2847) * kShadowScale);
    const double gap = Distance2D(moon.x, moon.y, shadow.x, shadow.y);
    const bool overlaps = gap <= st.penumbra.r + moon.r;
    st.umbra.inView = overlaps;
    st.penumbra.inView = overlaps;
}

} // namespace

SkyProjection MakeProjection(int side, double viewAngle, double horizontal, double vertical) {
    double edge[3];
    SphereUnitVector(0.0, viewAngle / 2.0, edge);
    SkyProjection p;
    p.R = side / 2;
    p.c = edge[2];
    const double k = 1.0 / std::sqrt(edge[0] * edge[0] + edge[1] * edge[1]);
    p.K = p.R * std::sqrt(2.0) * k;
    p.sinH = SinDeg(horizontal);
    p.cosH = CosDeg(horizontal);
    p.sinV = SinDeg(vertical);
    p.cosV = CosDeg(vertical);
    return p;
}

bool ProjectDirection(const SkyProjection& p, const double v[3], int& x, int& y) {
    double w[3] = {v[0], v[1], v[2]};
    RotateVector(p.sinV, p.cosV, p.sinH, p.cosH, w);
    x = static_cast<int>(p.R) + static_cast<int>(w[0] * p.K);
    y = static_cast<int>(p.R) + static_cast<int>(w[1] * p.K);
    return w[2] >= p.c;
}

void ViewAnglesOf(const double v[3], double& horizontal, double& vertical) {
    double w[3] = {v[0], v[1], v[2]};
    horizontal = Atan2Deg(-w[2], w[0]);
    RotateVector(0.0, 1.0, SinDeg(horizontal), CosDeg(horizontal), w);
    vertical = Atan2Deg(w[2], w[1]);
    RotateVector(SinDeg(vertical), CosDeg(vertical), 0.0, 1.0, w);
    if (w[2] < 0) {
        vertical += 180.0;
    }
}

void ViewCentre(double horizontal, double vertical, double& ra, double& dec) {
    // The horizontal angle of a place at right ascension a is 180 - 15 a.
    ra = NormalizeDegrees(180.0 - horizontal) * kOneOver15;
    dec = SignedLatitude(vertical - 180.0);
}

void StarSlice(int n, int frame, int& first, int& last) {
    const int m = n / 4 + 1;
    const int q = frame % 4;
    first = q * m;
    last = (q + 1) * m - 1;
    if (last > n - 1) {
        last = n - 1;
    }
}

int RotationBody(int frame) {
    if (frame % 2 == 1) {
        return 1;
    }
    return kRotation[(frame / 2) % 9];
}

void PlanetariumCompute(MovieObserver& observer, const MovieStart& start,
                        const PlanetariumSettings& settings, PlanetariumState& st,
                        StarCatalogue* catalogue, int side, int charWidth, int frame,
                        double wallClock) {
    const double R = side / 2;
    const bool first = frame == 0;
    if (first) {
        st.clock = StartJulianDay(start, observer.timeZone);
        st.jdStart = st.clock;
        for (SkyBody& b : st.body) {
            b = SkyBody{};
        }
        if (catalogue != nullptr) {
            for (StarRecord& star : catalogue->stars) {
                star.placeComputed = false;
                star.inView = true;
            }
        }
    } else {
        double step = (wallClock - st.lastWallClock) * observer.timeSpeed;
        if (observer.turbo) {
            step *= 1000.0;
        }
        st.clock += step;
        if (st.tracking == kCentreOnce) {
            st.tracking = kFreeView;
        }
    }
    st.lastWallClock = wallClock;

    const Location& loc = observer.location;
    const CalendarTime t = SplitJulianDay(st.clock);
    const bool tracks = st.tracking == kTrackEveryFrame || st.tracking == kCentreOnce;
    const int target = settings.target;
    const bool starTarget = target == kStarTarget && catalogue != nullptr && settings.star >= 0 &&
                            settings.star < static_cast<int>(catalogue->stars.size());
    const double jdDate = CalendarToJulianDay(t.day, t.month, t.year);
    bool starComputed = false;

    // Directions due this frame.
    if (tracks && target <= 10) {
        ComputeBody(target, st, loc, t, observer.viewAngle, R, charWidth);
    }
    if (first) {
        for (int b = 0; b <= 10; ++b) {
            if (b != 2 && InSet(settings.viewSet, b) && !(tracks && b == target)) {
                ComputeBody(b, st, loc, t, observer.viewAngle, R, charWidth);
            }
        }
    } else {
        const int due = RotationBody(frame);
        if (InSet(settings.viewSet, due) && !(tracks && due == target)) {
            ComputeBody(due, st, loc, t, observer.viewAngle, R, charWidth);
        }
        if (observer.turbo) {
            for (int b = 3; b <= 10; ++b) {
                if (b % 2 == frame % 2 && b != due && InSet(settings.viewSet, b) &&
                    !(tracks && b == target)) {
                    ComputeBody(b, st, loc, t, observer.viewAngle, R, charWidth);
                }
            }
        }
    }

    // The view centre.
    if (tracks) {
        const double* v = nullptr;
        if (starTarget) {
            StarRecord& star = catalogue->stars[settings.star];
            StarDirection(star, starComputed, jdDate);
            star.inView = true;
            v = star.direction;
        } else if (target <= 10) {
            v = st.body[target].v;
        }
        if (v != nullptr) {
            ViewAnglesOf(v, observer.horizontalAngle, observer.verticalAngle);
        }
        st.drawHorizontal = observer.horizontalAngle;
    } else {
        st.drawHorizontal = observer.horizontalAngle -
                            (st.clock - st.jdStart) * 24.0 * kSiderealTurnsPerHour * 360.0;
    }
    st.drawVertical = observer.verticalAngle;
    const SkyProjection p =
        MakeProjection(side, observer.viewAngle, st.drawHorizontal, st.drawVertical);

    // Stars: this frame's slice and those in view.
    if (catalogue != nullptr && InSet(settings.viewSet, kViewStarsBit)) {
        const int n = static_cast<int>(catalogue->stars.size());
        int lo = 0, hi = -1;
        StarSlice(n, frame, lo, hi);
        for (int i = 0; i < n; ++i) {
            StarRecord& star = catalogue->stars[i];
            if ((i >= lo && i <= hi) || star.inView) {
                StarDirection(star, starComputed, jdDate);
                ProjectStar(p, star, side);
            }
        }
    }

    for (int b = 0; b <= 10; ++b) {
        ProjectBody(p, st.body[b]);
    }
    if (InSet(settings.viewSet, 1)) {
        ComputeShadow(st, loc, p);
    } else {
        st.umbra.inView = false;
        st.penumbra.inView = false;
    }
}

void PlanetariumFrame(MovieObserver& observer, const MovieStart& start,
                      const PlanetariumSettings& settings, PlanetariumState& st,
                      StarCatalogue* catalogue, Surface& window, int width, int height, int frame,
                      double wallClock, bool jetTrails, bool paused, MovieSurfaces& surfaces) {
    MovieFrame f = BeginFrame(window, kPlanetariumMode, width, height, jetTrails, surfaces);
    Surface& s = f.Draw();
    const int side = f.side;
    PlanetariumCompute(observer, start, settings, st, catalogue, side, f.charWidth, frame,
                       wallClock);

    StatusValues values;
    values.jd = st.clock;
    values.paused = paused;
    values.tracking = st.tracking == kTrackEveryFrame;
    ViewCentre(st.drawHorizontal, st.drawVertical, values.centreRa, values.centreDec);
    const CalendarTime t = SplitJulianDay(st.clock);
    EquatorialToHorizontal(t, values.centreRa, NormalizeDegrees(values.centreDec),
                           observer.location, values.centreAzimuth, values.centreAlt);
    DrawStatusPanel(f, observer, values);

    DrawBox(s, 0, 0, side, side, true, s.SystemColorValue(SystemColor::WindowText));
    SelectMovieClip(s, side);
    if (f.trails != nullptr) {
        f.trails->SelectItemPen(11);
    }
    if (catalogue != nullptr && InSet(settings.viewSet, kViewStarsBit)) {
        for (const StarRecord& star : catalogue->stars) {
            if (star.inView) {
                DrawDisc(s, star.screenX, star.screenY, star.radius, 11, kSolidBrush, false);
                if (f.trails != nullptr) {
                    DrawDisc(*f.trails, star.screenX, star.screenY, star.radius, 11, kSolidBrush,
                             false);
                }
            }
        }
    }
    for (int b = 10; b >= 3; --b) {
        const SkyBody& body = st.body[b];
        if (InSet(settings.viewSet, b) && body.inView) {
            DrawBody(f, b, body.x, body.y, body.r, settings.labelled);
        }
    }
    const SkyBody& sun = st.body[0];
    const bool sunShown = InSet(settings.viewSet, 0) && sun.inView;
    if (sunShown) {
        DrawBody(f, 0, sun.x, sun.y, sun.r, settings.labelled);
    }
    // Mercury and Venus crossing the Sun's disc are drawn again on top.
    for (int b = 3; b <= 4; ++b) {
        const SkyBody& planet = st.body[b];
        if (sunShown && InSet(settings.viewSet, b) && planet.inView &&
            Distance2D(planet.x, planet.y, sun.x, sun.y) <= 2.0 * sun.r && planet.k < 0.5) {
            DrawBody(f, b, planet.x, planet.y, planet.r, settings.labelled);
        }
    }
    const SkyBody& moon = st.body[1];
    if (InSet(settings.viewSet, 1) && moon.inView) {
        DrawBody(f, 1, moon.x, moon.y, moon.r, settings.labelled);
        if (st.penumbra.inView) {
            DrawBody(f, 14, st.penumbra.x, st.penumbra.y, st.penumbra.r, false);
        }
        if (st.umbra.inView) {
            DrawBody(f, 15, st.umbra.x, st.umbra.y, st.umbra.r, false);
        }
    }
    EndFrame(window, f);
}

bool ScrollPlanetariumView(MovieObserver& observer, int message, int code, int position) {
    const double step = observer.viewAngle * 0.125;
    const bool horizontal = message == 0;
    double& angle = horizontal ? observer.horizontalAngle : observer.verticalAngle;
    const double sign = horizontal ? 1.0 : -1.0;
    switch (code) {
    case 0:
        angle -= sign * step;
        break;
    case 1:
        angle += sign * step;
        break;
    case 2:
        angle -= sign * 2.0 * step;
        break;
    case 3:
        angle += sign * 2.0 * step;
        break;
    case 4:
        angle += horizontal ? position - 180 : 180 - position;
        break;
    case 5:
        return true;
    default:
        break;
    }
    return false;
}
