#include "settings/menu_state.h"

#include "movies/movie_clock.h"
#include "reports/host_hooks.h"
#include "resources/string_ids.h"

#include <initializer_list>

namespace {

constexpr int kMovieMenuPosition = 5;

// The movies whose view cannot be zoomed.
bool HasFixedView(int command) {
    return command == IDM_MOVIE_DAY_NIGHT || command == IDM_MOVIE_ECLIPTIC_SIDE ||
           command == IDM_MOVIE_JUPITER_MOONS_SIDE || command == IDM_MOVIE_JUPITER_MOONS_TOP;
}

class RefreshBuilder {
  public:
    explicit RefreshBuilder(MenuRefresh& refresh) : refresh_(refresh) {}
    void Set(int id, bool enabled) { refresh_.items[count_++] = {id, enabled}; }
    int Count() const { return count_; }

  private:
    MenuRefresh& refresh_;
    int count_ = 0;
};

} // namespace

bool MenuRefresh::Enabled(int id) const {
    for (const MenuItemState& item : items) {
        if (item.id == id) {
            return item.enabled;
        }
    }
    FatalError(IDS_INTERNAL_ERROR, "MENUFCNS", __LINE__);
}

MenuRefresh ComputeMenuRefresh(const MenuView& view) {
    MenuRefresh refresh{};
    RefreshBuilder items(refresh);
    const int command = view.currentCommand;
    const int kind = CommandKind(command);
    const bool movie = kind == kMovieCommand;

    items.Set(IDM_COPY, view.reportPresent || view.screenImageHeld);

    if (!movie) {
        for (int id : {IDM_SPEED_UP, IDM_SLOW_DOWN, IDM_REVERSE_TIME_SPEED, IDM_PAUSE, IDM_ZOOM_IN,
                       IDM_ZOOM_OUT}) {
            items.Set(id, false);
        }
        items.Set(IDM_JET_TRAILS, true);
    } else {
        const bool dayNight = command == IDM_MOVIE_DAY_NIGHT;
        items.Set(IDM_SPEED_UP, dayNight ? view.dayNightStep != kDayNightLastStep
                                         : view.timeSpeed != kFastestTimeSpeed);
        items.Set(IDM_SLOW_DOWN,
                  dayNight ? view.dayNightStep != 0 : view.timeSpeed != -kFastestTimeSpeed);
        items.Set(IDM_REVERSE_TIME_SPEED, !dayNight);
        items.Set(IDM_JET_TRAILS, !dayNight);
        items.Set(IDM_PAUSE, true);
        items.Set(IDM_ZOOM_IN, !(view.viewAngle <= kNarrowestViewAngle || HasFixedView(command)));
        items.Set(IDM_ZOOM_OUT, !(view.viewAngle >= kWidestViewAngle || HasFixedView(command)));
    }
    for (int id = IDM_MOVIE_FIRST; id <= IDM_MOVIE_LAST; ++id) {
        items.Set(id, !movie);
    }

    items.Set(IDM_STOP, movie || kind == kReportCommand || view.busy);

    const bool printable = !(movie || view.busy || kind == kReportCommand);
    items.Set(IDM_PRINT, printable);
    items.Set(IDM_PRINT_SETUP, printable);
    items.Set(IDM_SET_FONT, printable);

    if (items.Count() != kRefreshedItemCount) {
        FatalError(IDS_INTERNAL_ERROR, "MENUFCNS", __LINE__);
    }
    return refresh;
}

MenuLockPlan PlanMenuLock(int kind, bool enable) {
    MenuLockPlan plan;
    if (!enable && kind != kReportCommand && kind != kGraphCommand && kind != kMovieCommand) {
        return plan;
    }
    plan.act = true;
    for (int position = 1; position <= kMovieMenuPosition; ++position) {
        const bool keepMovies = position == kMovieMenuPosition && kind == kMovieCommand;
        plan.positions[plan.positionCount] = position;
        plan.enabled[plan.positionCount] = enable || keepMovies;
        ++plan.positionCount;
    }
    return plan;
}
