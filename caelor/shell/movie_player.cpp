#include "shell/movie_player.h"

#include "engine/time.h"
#include "graphs/drawing_module.h"
#include "movies/movie_run.h"
#include "movies/star_catalogue.h"
#include "movies/world_map.h"
#include "settings/bit_set.h"
#include "settings/dialog_params.h"
#include "shell/bitmaps.h"
#include "shell/errors.h"
#include "shell/gdi_surface.h"

namespace {

constexpr const char* kMoviesModule = "MOVIES";

MovieRun g_run;
MonoBitmap g_worldMap;
bool g_worldMapLoaded = false;

// The "WORLDMAP" bitmap resource, read in place (resources stay mapped for
// the whole run).
const MonoBitmap& WorldMap() {
    if (!g_worldMapLoaded) {
        HMODULE module = GetModuleHandleA(nullptr);
        HRSRC found = FindResourceA(module, "WORLDMAP", MAKEINTRESOURCEA(2)); // RT_BITMAP
        HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
        const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
        if (bytes == nullptr ||
            !WorldMapFromBitmapBytes(static_cast<const uint8_t*>(bytes),
                                     SizeofResource(module, found), g_worldMap)) {
            ShellFatalError(IDS_GDI_ERROR, "DN_MOVIE", __LINE__);
        }
        g_worldMapLoaded = true;
    }
    return g_worldMap;
}

bool Checked(HMENU menu, UINT id) {
    const UINT state = GetMenuState(menu, id, MF_BYCOMMAND);
    if (state == static_cast<UINT>(-1)) {
        ShellFatalError(IDS_MENU_ERROR, "MENUFCNS", __LINE__);
    }
    return (state & MF_CHECKED) != 0;
}

void SetCheck(HMENU menu, UINT id, bool checked) {
    if (CheckMenuItem(menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED)) ==
        static_cast<DWORD>(-1)) {
        ShellFatalError(IDS_MENU_ERROR, "MENUFCNS", __LINE__);
    }
}

} // namespace

void StartMovie(int command, const Location& place) {
    const DialogParams& p = CurrentDialogParams;
    MovieObserver observer = g_run.Observer();
    observer.location = place;
    observer.timeZone = place.timeZone;
    observer.timeSpeed = p.timeSpeed;
    observer.turbo = command == IDM_MOVIE_PLANETARIUM ? p.turbo : 0;
    if (command == IDM_MOVIE_DAY_NIGHT) {
        observer.dayNightStep = p.dayNightSpeed;
    }
    if (command == IDM_MOVIE_ECLIPTIC_TOP || command == IDM_MOVIE_ECLIPTIC_SIDE ||
        command == IDM_MOVIE_PLANETARIUM || command == IDM_MOVIE_BINARY_STAR) {
        observer.viewAngle = p.viewAngle;
    }
    MovieParams params;
    params.start = {p.year, p.month, p.day, p.hour, p.minute};
    params.planetarium.target = p.trackedBody;
    params.planetarium.star = p.star;
    params.planetarium.viewSet = p.skySet;
    params.planetarium.labelled = p.labelPlanets != 0;
    params.trackBody = p.noTracking == 0;
    params.bodySet = p.planetSet;
    params.moonSet = p.moonSet;
    params.labelPlanets = p.labelPlanets != 0;
    params.labelMoons = p.labelMoons != 0;
    params.binaryStar = p.binaryStar;
    params.binaryYear = p.binaryStarYear;
    const bool trails = g_run.JetTrails();
    g_run.Start(command, observer, params);
    if (trails != g_run.JetTrails()) {
        g_run.ToggleJetTrails();
    }
}

void StopMovie() {
    g_run.Stop();
}

void MovieTick(HWND window, int width, int height) {
    if (!g_run.Running()) {
        return;
    }
    HDC dc = GetDC(window);
    if (dc == nullptr) {
        ShellFatalError(IDS_GDI_ERROR, kMoviesModule, __LINE__);
    }
    {
        // The tick's own drawing (the window surface) is the shared frame's;
        // the run names each scene's module inside.
        const DrawingModuleScope tick(kMoviesModule);
        HMENU menu = GetMenu(window);
        if (menu != nullptr && !Checked(menu, IDM_PAUSE) && g_run.Paused()) {
            // The menus were re-enabled meanwhile, which takes the check away.
            g_run.ClearPauseMark();
        }
        GdiSurface surface(dc, width, height);
        surface.Prepare(kPageMapping, width, height, true);
        const MonoBitmap* map = g_run.Command() == IDM_MOVIE_DAY_NIGHT ? &WorldMap() : nullptr;
        g_run.Tick(surface, width, height, ClockJulianDay(), map, LoadedStarCatalogue());
    }
    if (!ReleaseDC(window, dc)) {
        ShellFatalError(IDS_GDI_ERROR, kMoviesModule, __LINE__);
    }
}

void MovieKeyCommand(HWND, HMENU menu, int id) {
    switch (id) {
    case IDM_SLOW_DOWN:
    case IDM_SPEED_UP:
        g_run.ChangeSpeed(id == IDM_SPEED_UP);
        break;
    case IDM_ZOOM_IN:
    case IDM_ZOOM_OUT:
        if (g_run.JetTrails()) {
            FreeBitmaps(); // the trails are erased
        }
        g_run.Zoom(id == IDM_ZOOM_IN);
        break;
    case IDM_JET_TRAILS:
        FreeBitmaps();
        SetCheck(menu, IDM_JET_TRAILS, g_run.ToggleJetTrails());
        break;
    case IDM_REVERSE_TIME_SPEED:
        g_run.ReverseSpeed();
        break;
    case IDM_PAUSE: {
        // The check is what counts: the menu refresh may have taken it away
        // without restoring the saved speed.
        if (Checked(menu, IDM_PAUSE) != g_run.Paused()) {
            g_run.ClearPauseMark();
        }
        SetCheck(menu, IDM_PAUSE, g_run.TogglePause());
        break;
    }
    default:
        break;
    }
}

bool MovieScroll(int message, int code, int position) {
    if (g_run.Command() != IDM_MOVIE_PLANETARIUM) {
        return false;
    }
    return g_run.Scroll(message, code, position);
}

void FreeMovieSurfaces() {
    g_run.FreeSurfaces();
}

void MovieMenuView(MenuView& view) {
    if (!g_run.Running()) {
        return;
    }
    view.timeSpeed = g_run.Observer().timeSpeed;
    view.viewAngle = g_run.Observer().viewAngle;
    view.dayNightStep = g_run.Observer().dayNightStep;
}

namespace {

// GDI objects of this process: the system's count where it keeps one, else
// (Wine answers 0) every handle value that names a live object.
DWORD CountGdiObjects() {
    const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported != 0) {
        return reported;
    }
    DWORD count = 0;
    for (UINT_PTR handle = 1; handle < 0x10000; ++handle) {
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(handle)) != 0) {
            ++count;
        }
    }
    return count;
}

} // namespace

UINT MovieProbeMessage() {
    static const UINT message = RegisterWindowMessageA("CaelorMovieProbe");
    return message;
}

LRESULT MovieProbe(HWND window, WPARAM what, int currentCommand) {
    HMENU menu = GetMenu(window);
    switch (what) {
    case kProbeFrame:
        return g_run.Running() ? g_run.Frame() : -1;
    case kProbeTimeSpeed:
        return g_run.Observer().timeSpeed;
    case kProbeViewAngle:
        return static_cast<LRESULT>(g_run.Observer().viewAngle * 100.0 + 0.5);
    case kProbeDayNightStep:
        return g_run.Observer().dayNightStep;
    case kProbePauseChecked:
        return menu != nullptr && Checked(menu, IDM_PAUSE);
    case kProbeJetTrailsChecked:
        return menu != nullptr && Checked(menu, IDM_JET_TRAILS);
    case kProbeMovieKeysEnabled: {
        MenuView view;
        view.currentCommand = currentCommand;
        MovieMenuView(view);
        const MenuRefresh refresh = ComputeMenuRefresh(view);
        LRESULT bits = 0;
        for (int id = IDM_MOVIE_KEY_FIRST; id <= IDM_MOVIE_KEY_LAST; ++id) {
            bits |= refresh.Enabled(id) ? LRESULT{1} << (id - IDM_MOVIE_KEY_FIRST) : 0;
        }
        return bits;
    }
    case kProbeGdiObjects:
        return static_cast<LRESULT>(CountGdiObjects());
    case kProbeCurrentCommand:
        return currentCommand;
    default:
        break;
    }
    const std::vector<StatusRow>& rows = g_run.LastStatus();
    if (what >= kProbeStatusLineFirst && what - kProbeStatusLineFirst < rows.size()) {
        return GlobalAddAtomA(rows[what - kProbeStatusLineFirst].text);
    }
    return 0;
}
