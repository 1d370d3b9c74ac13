// The movie scenes drawn onto a recording surface: the planetarium's
// projection and shadows, the Jupiter moons, the ecliptic, the Day/Night
// bands, the binary star, the frame protocol with jet trails, and what a
// drawing failure inside a movie reports.

#include "engine/angles.h"
#include "engine/frames.h"
#include "engine/jupiter_moons.h"
#include "engine/moon.h"
#include "engine/time.h"
#include "graphs/drawing_module.h"
#include "graphs/recording_surface.h"
#include "movies/movie_run.h"
#include "resources/command_ids.h"
#include "reports/format.h"
#include "report_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

namespace {

constexpr int kCharWidth = 10;
constexpr int kLineHeight = 20;
constexpr int kSide = 750; // 1000 - 22 * 10 > 750

MovieObserver Observer(double viewAngle, int speed) {
    MovieObserver o{};
    o.location.latitude = 51.5;
    o.location.latitudeHemisphere = kNorth;
    o.location.longitude = 0.1;
    o.location.longitudeHemisphere = kWest;
    o.viewAngle = viewAngle;
    o.timeSpeed = speed;
    return o;
}

std::vector<std::string> Texts(const std::vector<RecordedCall>& calls) {
    std::vector<std::string> texts;
    for (const RecordedCall& c : calls) {
        if (c.kind == CallKind::Text) {
            texts.push_back(c.text);
        }
    }
    return texts;
}

bool HasText(const std::vector<RecordedCall>& calls, const std::string& text) {
    for (const std::string& t : Texts(calls)) {
        if (t == text) {
            return true;
        }
    }
    return false;
}

// A 2 x 2 world map, enough for the Day/Night movie to compose its frames.
const MonoBitmap& TinyWorldMap() {
    static const uint8_t bits[2 * 4] = {0x80, 0, 0, 0, 0x01, 0, 0, 0};
    static const MonoBitmap map{2, 2, 4, true, bits};
    return map;
}

// Planetarium ------------------------------------------------------------

TEST(PlanetariumProjection, PutsTheDirectionOfTheViewAnglesAtTheCentre) {
    for (double ra : {0.0, 3.3, 9.9, 14.2, 23.9}) {
        for (double dec : {-75.0, -20.0, 0.0, 35.0, 80.0}) {
            double v[3];
            SphereUnitVector(ra, dec, v);
            double h = 0, w = 0;
            ViewAnglesOf(v, h, w);
            const SkyProjection p = MakeProjection(kSide, 40.0, h, w);
            int x = 0, y = 0;
            EXPECT_TRUE(ProjectDirection(p, v, x, y));
            EXPECT_EQ(x, kSide / 2) << ra << " " << dec;
            EXPECT_EQ(y, kSide / 2) << ra << " " << dec;
            // The status panel names the same place.
            double cra = 0, cdec = 0;
            ViewCentre(h, w, cra, cdec);
            EXPECT_NEAR(cra, ra, 1e-9) << ra << " " << dec;
            EXPECT_NEAR(cdec, dec, 1e-9) << ra << " " << dec;
        }
    }
}

TEST(PlanetariumProjection, HalfTheViewAngleIsTheEdgeOfTheView) {
    // A direction V/2 from the centre is just in view; further out it is not.
    double centre[3];
    SphereUnitVector(6.0, 0.0, centre);
    double h = 0, w = 0;
    ViewAnglesOf(centre, h, w);
    const SkyProjection p = MakeProjection(kSide, 40.0, h, w);
    double inside[3], outside[3];
    SphereUnitVector(6.0, 19.9, inside);
    SphereUnitVector(6.0, 20.1, outside);
    int x = 0, y = 0;
    EXPECT_TRUE(ProjectDirection(p, inside, x, y));
    EXPECT_FALSE(ProjectDirection(p, outside, x, y));
}

StarCatalogue SmallCatalogue() {
    StarCatalogue c;
    // Betelgeuse, Rigel, Sirius, Polaris and a far southern star.
    const double places[5][2] = {
        {5.919, 7.407}, {5.242, -8.202}, {6.752, -16.716}, {2.530, 89.264}, {14.66, -60.83}};
    for (const auto& p : places) {
        StarRecord s;
        s.rightAscension = p[0];
        s.declination = p[1];
        s.radius = 3;
        c.stars.push_back(s);
    }
    return c;
}

TEST(Planetarium, TrackedBodyAndStarStayAtTheCentre) {
    for (int target : {5, 1, kStarTarget}) {
        StarCatalogue catalogue = SmallCatalogue();
        MovieObserver o = Observer(90.0, 16);
        PlanetariumSettings settings;
        settings.target = target;
        settings.star = 2; // Sirius
        settings.viewSet = 0xFFFu & ~4u;
        PlanetariumState st;
        st.tracking = kTrackEveryFrame;
        const MovieStart start{2026, 1, 10, 22, 0};
        double wall = 2461000.0;
        for (int f = 0; f < 6; ++f) {
            PlanetariumCompute(o, start, settings, st, &catalogue, kSide, kCharWidth, f, wall);
            wall += 0.25 / 86400.0;
            if (target == kStarTarget) {
                const StarRecord& sirius = catalogue.stars[2];
                EXPECT_TRUE(sirius.inView);
                EXPECT_EQ(sirius.screenX, kSide / 2) << f;
                EXPECT_EQ(sirius.screenY, kSide / 2) << f;
            } else {
                EXPECT_TRUE(st.body[target].inView);
                EXPECT_EQ(st.body[target].x, kSide / 2) << target << " frame " << f;
                EXPECT_EQ(st.body[target].y, kSide / 2) << target << " frame " << f;
            }
        }
        // Betelgeuse and Rigel lie 23 to 27 degrees from Sirius, inside a
        // 90-degree view; Polaris does not.
        if (target == kStarTarget) {
            EXPECT_TRUE(catalogue.stars[0].inView);
            EXPECT_TRUE(catalogue.stars[1].inView);
            EXPECT_FALSE(catalogue.stars[3].inView); // Polaris
        }
    }
}

TEST(Planetarium, ClockRunsAtTheSpeedTimesTheWallClock) {
    MovieObserver o = Observer(90.0, 64);
    PlanetariumSettings settings;
    settings.viewSet = 1;
    PlanetariumState st;
    st.tracking = kCentreOnce;
    const MovieStart start{2026, 3, 1, 0, 0};
    PlanetariumCompute(o, start, settings, st, nullptr, kSide, kCharWidth, 0, 100.0);
    const double first = st.clock;
    PlanetariumCompute(o, start, settings, st, nullptr, kSide, kCharWidth, 1, 100.0 + 1.0 / 86400);
    EXPECT_NEAR((st.clock - first) * 86400.0, 64.0, 1e-3);
    EXPECT_EQ(st.tracking, kFreeView); // centred once, then free
    o.turbo = 1;
    PlanetariumCompute(o, start, settings, st, nullptr, kSide, kCharWidth, 2, 100.0 + 2.0 / 86400);
    EXPECT_NEAR((st.clock - first) * 86400.0, 64.0 + 64000.0, 1e-2);
}

TEST(Planetarium, EveryBodyIsRecomputedWithinEighteenFrames) {
    bool seen[11] = {};
    for (int f = 0; f < 18; ++f) {
        seen[RotationBody(f)] = true;
    }
    for (int b : {0, 1, 3, 4, 5, 6, 7, 8, 9, 10}) {
        EXPECT_TRUE(seen[b]) << b;
    }
    EXPECT_EQ(RotationBody(1), 1);
    EXPECT_EQ(RotationBody(2), 3);
}

TEST(Planetarium, StarSlicesCoverEveryStarOnce) {
    for (int n : {0, 1, 5, 1159, 1156}) {
        std::vector<int> count(n, 0);
        for (int f = 0; f < 4; ++f) {
            int first = 0, last = 0;
            StarSlice(n, f, first, last);
            for (int i = first; i <= last; ++i) {
                ASSERT_LT(i, n);
                ++count[i];
            }
        }
        for (int i = 0; i < n; ++i) {
            EXPECT_EQ(count[i], 1) << n << " star " << i;
        }
    }
}

struct ShadowCase {
    bool umbra;
    bool penumbra;
    bool computed;
};

ShadowCase ShadowAt(double jdUt, double viewAngle) {
    MovieObserver o = Observer(viewAngle, 0);
    o.location.latitude = 28.6; // New Delhi, where the Moon is up
    o.location.longitude = 77.2;
    o.location.longitudeHemisphere = kEast;
    o.timeZone = 0;
    PlanetariumSettings settings;
    settings.target = 1;
    settings.viewSet = 3;
    PlanetariumState st;
    st.tracking = kTrackEveryFrame;
    double day = 0;
    int month = 0, year = 0;
    JulianDayToCalendar(jdUt, day, month, year);
    const double hours = FractionalPart(day) * 24.0;
    const MovieStart start{year, month, static_cast<int>(day), static_cast<int>(hours),
                           static_cast<int>(FractionalPart(hours) * 60.0)};
    PlanetariumCompute(o, start, settings, st, nullptr, kSide, kCharWidth, 0, 0.0);
    return {st.umbra.inView, st.penumbra.inView, st.body[1].k > 0.75};
}

TEST(PlanetariumShadow, ShowsAtAnEclipseOnlyWhereItMeetsTheMoon) {
    // Total lunar eclipse of 2025 September 7, greatest at 18:12 UT.
    const ShadowCase eclipse = ShadowAt(CalendarToJulianDay(7.0 + 18.2 / 24, 9, 2025), 5.0);
    EXPECT_TRUE(eclipse.computed);
    EXPECT_TRUE(eclipse.umbra);
    EXPECT_TRUE(eclipse.penumbra);
    // The full Moon of 2026 January 3 (10 UT) passes some degrees from the
    // shadow: at the Moon's true size the discs do not meet it.
    const ShadowCase missed = ShadowAt(CalendarToJulianDay(3.0 + 10.0 / 24, 1, 2026), 5.0);
    EXPECT_TRUE(missed.computed);
    EXPECT_FALSE(missed.umbra);
    EXPECT_FALSE(missed.penumbra);
    // First quarter (2026 January 26): no shadow at all.
    const ShadowCase quarter = ShadowAt(CalendarToJulianDay(26.0 + 5.0 / 24, 1, 2026), 5.0);
    EXPECT_FALSE(quarter.computed);
    EXPECT_FALSE(quarter.penumbra);
}

TEST(PlanetariumShadow, DrawnHatchedOverTheMoon) {
    RecordingSurface window(kCharWidth, kLineHeight, 800, 600);
    window.Prepare(kPageMapping, 800, 600, true);
    MovieRun run;
    MovieObserver o = Observer(5.0, 0);
    o.location.longitude = 77.2;
    o.location.longitudeHemisphere = kEast;
    MovieParams params;
    params.start = {2025, 9, 7, 18, 12};
    params.planetarium.target = 1;
    params.planetarium.viewSet = 3;
    run.Start(IDM_MOVIE_PLANETARIUM, o, params);
    run.Tick(window, 800, 600, 0.0, nullptr, nullptr);
    const std::vector<RecordedCall>& frame = window.OffscreenCalls(0);
    int horizontal = 0, vertical = 0;
    for (const RecordedCall& c : frame) {
        if (c.kind == CallKind::Ellipse && c.brush == BrushKind::Hatch) {
            horizontal += c.hatch == 0 && c.penItem == 14;
            vertical += c.hatch == 1 && c.penItem == 15;
            EXPECT_TRUE(c.transparent);
        }
    }
    EXPECT_EQ(horizontal, 1);
    EXPECT_EQ(vertical, 1);
    EXPECT_TRUE(HasText(frame, "Tracking is On"));
    EXPECT_TRUE(HasText(frame, "View Angle:  5.00\260"));
}

TEST(PlanetariumScroll, StepsByAnEighthOfTheViewAngle) {
    MovieObserver o = Observer(40.0, 1);
    EXPECT_FALSE(ScrollPlanetariumView(o, 0, 1, 0)); // line right
    EXPECT_DOUBLE_EQ(o.horizontalAngle, 5.0);
    ScrollPlanetariumView(o, 0, 2, 0); // page left
    EXPECT_DOUBLE_EQ(o.horizontalAngle, -5.0);
    ScrollPlanetariumView(o, 1, 0, 0); // line up
    EXPECT_DOUBLE_EQ(o.verticalAngle, 5.0);
    ScrollPlanetariumView(o, 1, 4, 170); // thumb released 10 above the middle
    EXPECT_DOUBLE_EQ(o.verticalAngle, 15.0);
    ScrollPlanetariumView(o, 0, 4, 200);
    EXPECT_DOUBLE_EQ(o.horizontalAngle, 15.0);
    EXPECT_TRUE(ScrollPlanetariumView(o, 0, 5, 190)); // dragging stops the timer
    EXPECT_DOUBLE_EQ(o.horizontalAngle, 15.0);
}

// Frame protocol and jet trails ------------------------------------------

// Rings left by bodies on the jet trails.
int HollowRings(const std::vector<RecordedCall>& calls) {
    int rings = 0;
    for (const RecordedCall& c : calls) {
        rings += c.kind == CallKind::Ellipse && c.brush == BrushKind::Hollow;
    }
    return rings;
}

// Jupiter's moons from the side with jet trails on, two frames drawn.
void RunJupiterSideWithTrails(MovieRun& run, RecordingSurface& window) {
    window.Prepare(kPageMapping, 800, 600, true);
    MovieParams params;
    params.start = {2026, 5, 1, 0, 0};
    params.moonSet = 15;
    run.Start(IDM_MOVIE_JUPITER_MOONS_SIDE, Observer(90, 16), params);
    ASSERT_TRUE(run.ToggleJetTrails());
    run.Tick(window, 800, 600, 0, nullptr, nullptr);
    run.Tick(window, 800, 600, 0, nullptr, nullptr);
}

TEST(MovieFrameProtocol, JetTrailsKeepTheirSurfaceAndItsClip) {
    RecordingSurface window(kCharWidth, kLineHeight, 800, 600);
    MovieRun run;
    RunJupiterSideWithTrails(run, window);
    // Frame 1, trails, frame 2: the trails surface is made once.
    ASSERT_EQ(window.OffscreenCount(), 3);
    const std::vector<RecordedCall>& trails = window.OffscreenCalls(1);
    const std::vector<RecordedCall> clips = [&] {
        std::vector<RecordedCall> out;
        for (const RecordedCall& c : trails) {
            if (c.kind == CallKind::SetClipRect) {
                out.push_back(c);
            }
        }
        return out;
    }();
    ASSERT_EQ(clips.size(), 1u);
    EXPECT_EQ(clips[0].points[0], (SurfacePoint{1, kSide - 1}));
    EXPECT_EQ(clips[0].points[1], (SurfacePoint{kSide - 1, 1}));
    // Each moon leaves a ring per frame on the trails.
    EXPECT_EQ(HollowRings(trails), 8);
    // Each frame starts from the trails and is copied to the window whole.
    const std::vector<RecordedCall>& second = window.OffscreenCalls(2);
    bool copiedTrails = false;
    for (const RecordedCall& c : second) {
        copiedTrails |= c.kind == CallKind::Blit && c.op == RasterOp::SourceCopy;
    }
    EXPECT_TRUE(copiedTrails);
    const std::vector<RecordedCall> blits = window.CallsOf(CallKind::Blit);
    ASSERT_EQ(blits.size(), 2u);
    EXPECT_EQ(blits[0].points[1], (SurfacePoint{1000, 750}));
}

TEST(MovieFrameProtocol, ZoomAndTheJetTrailsKeyEraseTheTrails) {
    RecordingSurface window(kCharWidth, kLineHeight, 800, 600);
    MovieRun run;
    RunJupiterSideWithTrails(run, window);
    ASSERT_EQ(window.OffscreenCount(), 3); // frame, trails, frame
    EXPECT_EQ(HollowRings(window.OffscreenCalls(1)), 8);

    // Zoom In with trails on: the trails go and the view narrows; they stay
    // on, made afresh by the next frame and holding its rings alone.
    run.Zoom(true);
    EXPECT_FALSE(run.HoldsSurfaces());
    EXPECT_DOUBLE_EQ(run.Observer().viewAngle, 60.0);
    EXPECT_TRUE(run.JetTrails());
    run.Tick(window, 800, 600, 0, nullptr, nullptr);
    ASSERT_EQ(window.OffscreenCount(), 5); // frame, new trails
    EXPECT_EQ(HollowRings(window.OffscreenCalls(4)), 4);

    // F8 erases them and turns them off.
    EXPECT_FALSE(run.ToggleJetTrails());
    EXPECT_FALSE(run.HoldsSurfaces());
    run.Tick(window, 800, 600, 0, nullptr, nullptr);
    EXPECT_EQ(window.OffscreenCount(), 6); // a frame, no trails
}

// The menu command a run starts with picks the scene, its status panel and
// its layout; an id that is no movie starts nothing.
TEST(MovieFrameProtocol, EachMovieCommandRunsItsOwnScene) {
    const MonoBitmap& map = TinyWorldMap();
    const char* const viewAngle = "View Angle: 40.00\260";
    const struct {
        int command;
        const char* title;  // status row 1
        int titleY;         // where the title is drawn
        const char* shown;  // a text of this movie
        const char* absent; // a text of a sibling, not of this one
    } movies[] = {
        {IDM_MOVIE_PLANETARIUM, "Planetarium", kSide, "Tracking is On", "1:  Io"},
        {IDM_MOVIE_ECLIPTIC_TOP, "Ecliptic", kSide, viewAngle, "Tracking is On"},
        {IDM_MOVIE_ECLIPTIC_SIDE, "Ecliptic", kPageHeight - kLineHeight, "Julian Date (UT)",
         viewAngle},
        {IDM_MOVIE_JUPITER_MOONS_SIDE, "Jupiter & Moons", kSide, "1:  Io", "Earth"},
        {IDM_MOVIE_JUPITER_MOONS_TOP, "Jupiter & Moons", kSide, "Earth", viewAngle},
        {IDM_MOVIE_DAY_NIGHT, "Day/Night", 2 * kLineHeight, "Day/Night", "Julian Date (UT)"},
        {IDM_MOVIE_BINARY_STAR, "Binary Star", kSide, "Sirius", "1:  Io"},
    };
    for (const auto& movie : movies) {
        SCOPED_TRACE(movie.command);
        RecordingSurface window(kCharWidth, kLineHeight, 800, 600);
        window.Prepare(kPageMapping, 800, 600, true);
        MovieRun run;
        MovieParams params;
        params.start = {2026, 1, 10, 22, 0};
        params.moonSet = 15;
        params.bodySet = 0x7FC;
        params.planetarium.viewSet = 3;
        params.binaryStar = 4;
        params.binaryYear = 2020;
        run.Start(movie.command, Observer(40, 1), params);
        ASSERT_TRUE(run.Running());
        run.Tick(window, 800, 600, 2461000.0, &map, nullptr);
        EXPECT_EQ(run.Frame(), 1);
        ASSERT_FALSE(run.LastStatus().empty());
        EXPECT_STREQ(run.LastStatus()[0].text, movie.title);
        const std::vector<RecordedCall>& frame = window.OffscreenCalls(window.OffscreenCount() - 1);
        bool titleAtItsPlace = false;
        for (const RecordedCall& c : frame) {
            titleAtItsPlace |=
                c.kind == CallKind::Text && c.text == movie.title && c.points[0].y == movie.titleY;
        }
        EXPECT_TRUE(titleAtItsPlace);
        EXPECT_TRUE(HasText(frame, movie.shown)) << movie.shown;
        EXPECT_FALSE(HasText(frame, movie.absent)) << movie.absent;
    }
    RecordingSurface window(kCharWidth, kLineHeight, 800, 600);
    MovieRun run;
    run.Start(IDM_REPORT_SEASONS, Observer(40, 1), MovieParams{});
    EXPECT_FALSE(run.Running());
    run.Tick(window, 800, 600, 0, &map, nullptr);
    EXPECT_EQ(run.Frame(), 0);
    EXPECT_EQ(window.OffscreenCount(), 0);
}

TEST(MovieFrameProtocol, StatusPanelFollowsSpeedAndPause) {
    MovieObserver o = Observer(40, 4);
    StatusValues v;
    v.jd = CalendarToJulianDay(1.5, 1, 2026);
    StatusRow rows[20];
    int n = StatusPanelRows(kEclipticTopMode, o, v, rows);
    auto text = [&](int row) {
        for (int i = 0; i < n; ++i) {
            if (rows[i].row == row) {
                return std::string(rows[i].text);
            }
        }
        return std::string();
    };
    EXPECT_EQ(text(1), "Ecliptic");
    EXPECT_EQ(text(12), "Time Speed:   4");
    EXPECT_EQ(text(11), "View Angle: 40.00\260");
    EXPECT_EQ(text(6), "Julian Date (UT)");
    v.paused = true;
    n = StatusPanelRows(kEclipticTopMode, o, v, rows);
    EXPECT_EQ(text(12), "Time Speed: Paused");
    n = StatusPanelRows(kJupiterSideMode, o, v, rows);
    EXPECT_EQ(text(9), "Time Speed: Paused");
    EXPECT_EQ(text(11), "1:  Io");
    EXPECT_EQ(text(14), "4:  Callisto");
    EXPECT_EQ(text(12), "2:  Europa");
}

// Jupiter moons, ecliptic, binary star -----------------------------------

TEST(JupiterMoonsScene, SideViewPutsTheMoonsInALine) {
    for (double day = 1; day < 30; day += 3.7) {
        const JupiterSystemLayout l =
            LayOutJupiterSystem(CalendarToJulianDay(day, 4, 2026), kJupiterSideMode, 15, kSide);
        for (const JupiterMoonMark& m : l.moon) {
            // y is at most 2 % of the orbit radius (Callisto 26 radii,
            // 25 units a radius).
            EXPECT_LE(std::abs(m.y - l.cy), 15) << day;
        }
    }
}

TEST(JupiterMoonsScene, AMoonBehindJupiterHidesOnlyFromTheSide) {
    // Search a time when Io is hidden.
    double jd = CalendarToJulianDay(1.0, 4, 2026);
    bool found = false;
    for (int i = 0; i < 3000 && !found; ++i, jd += 0.01) {
        MoonOfJupiter m[4];
        JupiterMoons(InstantOfUt(jd), m);
        found = m[0].visible == 0;
    }
    ASSERT_TRUE(found);
    EXPECT_FALSE(LayOutJupiterSystem(jd, kJupiterSideMode, 15, kSide).moon[0].drawn);
    EXPECT_TRUE(LayOutJupiterSystem(jd, kJupiterTopMode, 15, kSide).moon[0].drawn);
    EXPECT_FALSE(LayOutJupiterSystem(jd, kJupiterTopMode, 14, kSide).moon[0].drawn);
}

TEST(EclipticScene, EarthOppositeTheSunOnTheMiddleLine) {
    const EclipticStrip strip = EclipticSideStrip(kCharWidth, kLineHeight);
    ScreenPoint side[11] = {}, top[11] = {};
    const double jd = CalendarToJulianDay(21.0, 3, 2026); // Sun near 0 degrees
    EclipticPositions(kEclipticSideMode, 1u << 2, 90, kSide, strip, jd, side);
    EXPECT_EQ(side[2].y, strip.y0 - strip.h / 2);
    EXPECT_NEAR(side[2].x, strip.x0 + strip.w / 2, 3); // longitude 180
    // Top view: the Earth at longitude 180 lies straight below the Sun, 1 AU
    // at 0.02 * R of the half side at V = 90.
    EclipticPositions(kEclipticTopMode, 1u << 2, 90, kSide, strip, jd, top);
    EXPECT_NEAR(top[2].x, kSide / 2, 1);
    EXPECT_NEAR(top[2].y, kSide / 2 - 0.02 * 375 * 0.996, 1.5);
    // Pluto (about 35 AU) stays inside the square at 90, leaves it at 5.
    EclipticPositions(kEclipticTopMode, 1u << 10, 90, kSide, strip, jd, top);
    EXPECT_GT(top[10].x, 0);
    EXPECT_LT(top[10].x, kSide);
    EclipticPositions(kEclipticTopMode, 1u << 10, 5, kSide, strip, jd, top);
    EXPECT_TRUE(top[10].x < 0 || top[10].x > kSide || top[10].y < 0 || top[10].y > kSide);
}

TEST(BinaryStarScene, ALargerViewAngleShowsTheOrbitSmaller) {
    const BinaryPlace place{90.0, 4.0}; // due east
    const ScreenPoint near = BinaryCompanionPoint(place, 375, 10);
    const ScreenPoint far = BinaryCompanionPoint(place, 375, 20);
    EXPECT_LT(near.x, 375); // east is to the left
    EXPECT_NEAR(near.y, 375, 1);
    EXPECT_NEAR(375 - near.x, 2 * (375 - far.x), 1);
    const ScreenPoint north = BinaryCompanionPoint({0.0, 4.0}, 375, 10);
    EXPECT_NEAR(north.x, 375, 1);
    EXPECT_GT(north.y, 375); // north is up
}

TEST(BinaryStarScene, FrameShowsNameThetaAndRho) {
    RecordingSurface window(kCharWidth, kLineHeight, 800, 600);
    window.Prepare(kPageMapping, 800, 600, true);
    MovieRun run;
    MovieParams params;
    params.binaryStar = 4;
    params.binaryYear = 2020;
    run.Start(IDM_MOVIE_BINARY_STAR, Observer(20, 1), params);
    run.Tick(window, 800, 600, 0, nullptr, nullptr);
    run.Tick(window, 800, 600, 0, nullptr, nullptr);
    const std::vector<RecordedCall>& frame = window.OffscreenCalls(1);
    EXPECT_TRUE(HasText(frame, "Sirius"));
    EXPECT_TRUE(HasText(frame, "Binary Star"));
    char value[kFormatSize];
    char theta[kFormatSize + 16];
    const BinaryPlace p = BinaryOrbit(2021, BinaryStarElements(4));
    FormatFixed(p.theta, 5, 1, value);
    std::snprintf(theta, sizeof theta, "Theta: %s\260", value);
    EXPECT_TRUE(HasText(frame, theta)) << theta;
    for (const char* letter : {"N", "S", "E", "W"}) {
        EXPECT_TRUE(HasText(frame, letter)) << letter;
    }
}

// The status panel dates every frame on 1 January of the movie's year in the
// place's own calendar, west of Greenwich too, where 0h UT of that day is
// still the evening before.
TEST(BinaryStarScene, StatusShowsTheFirstOfJanuaryOfTheYearInAnyZone) {
    // 2020 January 1.0 UT is JD 2458849.5 (2000 January 1.0 is 2451544.5,
    // and twenty years with five leap days are 7305 days later); local
    // midnight at UT-8 is 08:00 UT (.8333), at UT+10 14:00 UT of the day
    // before (.0833).
    const struct {
        double timeZone;
        const char* julianDay;
    } zones[] = {{-8.0, " 2458849.83"}, {10.0, " 2458849.08"}};
    char date2020[kFormatSize];
    char date2021[kFormatSize];
    char midnight[kFormatSize];
    FormatDate(1, 1, 2020, date2020);
    FormatDate(1, 1, 2021, date2021);
    FormatHoursMinutes(0.0, midnight);
    for (const auto& zone : zones) {
        SCOPED_TRACE(zone.timeZone);
        RecordingSurface window(kCharWidth, kLineHeight, 800, 600);
        window.Prepare(kPageMapping, 800, 600, true);
        MovieRun run;
        MovieObserver o = Observer(20, 1);
        o.timeZone = zone.timeZone;
        MovieParams params;
        params.binaryStar = 4;
        params.binaryYear = 2020;
        run.Start(IDM_MOVIE_BINARY_STAR, o, params);
        auto row = [&](int number) {
            for (const StatusRow& r : run.LastStatus()) {
                if (r.row == number) {
                    return std::string(r.text);
                }
            }
            return std::string();
        };
        run.Tick(window, 800, 600, 0, nullptr, nullptr);
        EXPECT_EQ(row(3), std::string("Date: ") + date2020);
        EXPECT_EQ(row(4), std::string("Time: ") + midnight);
        EXPECT_EQ(row(7), zone.julianDay);
        run.Tick(window, 800, 600, 0, nullptr, nullptr);
        EXPECT_EQ(row(3), std::string("Date: ") + date2021);
    }
}

// Failures ------------------------------------------------------------------

// A surface that fails the way the platform's does: the one kind of call
// the plan names reports the GDI error in the module of the drawing under
// way, and the off-screen surface numbered noBitmapFor (counted over the
// whole run from 0) gets no bitmap. Its off-screen surfaces follow the same
// plan.
class FailingSurface : public RecordingSurface {
  public:
    struct Plan {
        bool failing = false;
        CallKind failOn = CallKind::Text;
        int noBitmapFor = -1;
        int made = 0;
    };
    explicit FailingSurface(std::shared_ptr<Plan> plan)
        : RecordingSurface(kCharWidth, kLineHeight, 800, 600), plan_(std::move(plan)) {}

    void Polyline(const SurfacePoint* points, int count) override {
        Check(CallKind::Polyline);
        RecordingSurface::Polyline(points, count);
    }
    void Text(int x, int y, const char* text) override {
        Check(CallKind::Text);
        RecordingSurface::Text(x, y, text);
    }
    void SetClipRect(int left, int top, int right, int bottom) override {
        Check(CallKind::SetClipRect);
        RecordingSurface::SetClipRect(left, top, right, bottom);
    }
    void PatBlt(int x, int y, int width, int height, RasterOp op) override {
        Check(CallKind::PatBlt);
        RecordingSurface::PatBlt(x, y, width, height, op);
    }
    void Blit(int x, int y, int width, int height, Surface& source, int sx, int sy,
              RasterOp op) override {
        Check(CallKind::Blit);
        RecordingSurface::Blit(x, y, width, height, source, sx, sy, op);
    }
    std::unique_ptr<Surface> CreateOffscreen(int, int) override {
        if (plan_->made++ == plan_->noBitmapFor) {
            return nullptr;
        }
        return std::make_unique<FailingSurface>(plan_);
    }

  private:
    void Check(CallKind kind) {
        if (plan_->failing && kind == plan_->failOn) {
            FatalError(693, DrawingModule(), __LINE__);
        }
    }
    std::shared_ptr<Plan> plan_;
};

// Ticks command's movie (jet trails on or off) onto a failing window and
// returns the fatal error it ended with.
FatalErrorRaised TickUntilFatal(int command, std::shared_ptr<FailingSurface::Plan> plan,
                                bool jetTrails) {
    const MonoBitmap& map = TinyWorldMap();
    FailingSurface window(plan);
    window.Prepare(kPageMapping, 800, 600, true);
    MovieRun run;
    MovieParams params;
    params.start = {2026, 1, 10, 22, 0};
    params.moonSet = 15;
    params.bodySet = 0x7FC;
    params.planetarium.viewSet = 0xFFF;
    params.binaryYear = 2020;
    run.Start(command, Observer(40, 1), params);
    if (jetTrails) {
        run.ToggleJetTrails();
    }
    try {
        for (int tick = 0; tick < 3; ++tick) {
            run.Tick(window, 800, 600, 2461000.0, &map, nullptr);
        }
    } catch (const FatalErrorRaised& error) {
        return error;
    }
    return FatalErrorRaised(0, "none");
}

TEST(MovieFailures, ADrawingFailureNamesTheMoviesOwnModule) {
    ScopedHost host;
    const struct {
        int command;
        CallKind failOn;
        const char* module;
        const char* what;
    } cases[] = {
        {IDM_MOVIE_PLANETARIUM, CallKind::SetClipRect, "MOVIES", "the planetarium's clip"},
        {IDM_MOVIE_ECLIPTIC_TOP, CallKind::SetClipRect, "EC_MOVIE", "the ecliptic top view's clip"},
        {IDM_MOVIE_ECLIPTIC_SIDE, CallKind::Polyline, "EC_MOVIE", "the ecliptic side view's strip"},
        {IDM_MOVIE_JUPITER_MOONS_SIDE, CallKind::SetClipRect, "JM_MOVIE",
         "the Jupiter side view's clip"},
        {IDM_MOVIE_JUPITER_MOONS_TOP, CallKind::SetClipRect, "JM_MOVIE",
         "the Jupiter top view's clip"},
        {IDM_MOVIE_DAY_NIGHT, CallKind::PatBlt, "DN_MOVIE", "the Day/Night map's black page"},
        {IDM_MOVIE_BINARY_STAR, CallKind::SetClipRect, "BS_MOVIE", "the binary star's clip"},
        {IDM_MOVIE_BINARY_STAR, CallKind::Text, "MOVIES", "the status panel"},
        {IDM_MOVIE_BINARY_STAR, CallKind::Blit, "MOVIES", "the frame copied to the window"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto plan = std::make_shared<FailingSurface::Plan>();
        plan->failing = true;
        plan->failOn = c.failOn;
        const FatalErrorRaised error = TickUntilFatal(c.command, plan, false);
        EXPECT_EQ(error.messageId, 693);
        EXPECT_EQ(error.module, c.module);
        // Drawing after the movie names the graph layer again.
        EXPECT_STREQ(DrawingModule(), "GRAPHICS");
    }
    // A graph's failure stays the graph layer's.
    auto plan = std::make_shared<FailingSurface::Plan>();
    plan->failing = true;
    plan->failOn = CallKind::Polyline;
    FailingSurface graph(plan);
    try {
        DrawLine(graph, 0, 0, 10, 10);
        FAIL() << "no fatal error";
    } catch (const FatalErrorRaised& error) {
        EXPECT_EQ(error.module, "GRAPHICS");
    }
}

TEST(MovieFailures, BitmapsThatCannotBeMade) {
    ScopedHost host;
    // Off-screen 0 is the first frame, 1 the jet trails.
    auto plan = std::make_shared<FailingSurface::Plan>();
    plan->noBitmapFor = 1;
    FatalErrorRaised error = TickUntilFatal(IDM_MOVIE_JUPITER_MOONS_SIDE, plan, true);
    EXPECT_EQ(error.messageId, 866); // "Insufficient memory for Jet Trails"
    EXPECT_EQ(error.module, "MOVIES");
    // A frame that cannot be made is the shared frame's GDI error; the
    // Day/Night map (off-screen 0 of that movie) is its own.
    plan = std::make_shared<FailingSurface::Plan>();
    plan->noBitmapFor = 2;
    error = TickUntilFatal(IDM_MOVIE_BINARY_STAR, plan, false);
    EXPECT_EQ(error.messageId, 693);
    EXPECT_EQ(error.module, "MOVIES");
    plan = std::make_shared<FailingSurface::Plan>();
    plan->noBitmapFor = 0;
    error = TickUntilFatal(IDM_MOVIE_DAY_NIGHT, plan, false);
    EXPECT_EQ(error.messageId, 693);
    EXPECT_EQ(error.module, "DN_MOVIE");
}

// Day/Night -----------------------------------------------------------------

TEST(DayNightScene, ComposesMapBandsAndStatusWithRasterOps) {
    RecordingSurface window(kCharWidth, kLineHeight, 800, 600);
    window.Prepare(kPageMapping, 800, 600, true);
    const MonoBitmap& map = TinyWorldMap();
    MovieRun run;
    MovieObserver o = Observer(90, 0);
    o.dayNightStep = 2;
    MovieParams params;
    params.start = {2026, 6, 21, 12, 0};
    run.Start(IDM_MOVIE_DAY_NIGHT, o, params);
    run.Tick(window, 800, 600, 0, &map, nullptr);
    run.Tick(window, 800, 600, 0, &map, nullptr);
    // The map is prepared once (offscreen 0), then one frame per tick.
    ASSERT_EQ(window.OffscreenCount(), 3);
    const std::vector<RecordedCall>& prepared = window.OffscreenCalls(0);
    bool stretched = false;
    for (const RecordedCall& c : prepared) {
        stretched |= c.kind == CallKind::StretchMonoBitmap && c.op == RasterOp::SourceInvert;
    }
    EXPECT_TRUE(stretched);
    const std::vector<RecordedCall>& frame = window.OffscreenCalls(2);
    int bands = 0;
    for (const RecordedCall& c : frame) {
        bands += c.kind == CallKind::PatBlt && c.op == RasterOp::PatternCopy;
    }
    // Every traced row and the southern cap (the northern one is night).
    EXPECT_GT(bands, 140);
    EXPECT_LT(bands, kTerminatorRows);
    EXPECT_TRUE(HasText(frame, "Day/Night"));
    EXPECT_TRUE(HasText(frame, "Date: 22/06/2026  Time: 12:00  Time Speed: 1 Day") ||
                HasText(frame, "Date: 06/22/2026  Time: 12:00  Time Speed: 1 Day"));
    const std::vector<RecordedCall> blits = window.CallsOf(CallKind::Blit);
    ASSERT_EQ(blits.size(), 2u);
    EXPECT_EQ(blits[1].op, RasterOp::NotSourceCopy);
}

} // namespace
