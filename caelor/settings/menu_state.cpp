#include "settings/menu_state.h"

#include "movies/movie_clock.h"
#include "reports/host_hooks.h"

#include <initializer_list>

namespace {

constexpr int kInternalError = 690;
constexpr int kMovieMenuPosition = 5;

// The movies whose view cannot be zoomed.
bool HasFixedView(int command) {
    return command == MenuCommand::kDayNight || command == MenuCommand::kEclipticSide ||
           command == MenuCommand::kJupiterMoonsSide || command == MenuCommand::kJupiterMoonsTop;
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

int CommandKind(int id) {
    if ((id >= 80 && id <= 93) || id == 141) {
        return kReportCommand;
    }
    if (id >= 11 && id <= 25) {
        return kGraphCommand;
    }
    if (id >= 61 && id <= 67) {
        return kMovieCommand;
    }
    return kOtherCommand;
}

bool MenuRefresh::Enabled(int id) const {
    for (const MenuItemState& item : items) {
        if (item.id == id) {
            return item.enabled;
        }
    }
    FatalError(kInternalError, "MENUFCNS", __LINE__);
}

MenuRefresh ComputeMenuRefresh(const MenuView& view) {
    using namespace MenuCommand;
    MenuRefresh refresh{};
    RefreshBuilder items(refresh);
    const int command = view.currentCommand;
    const int kind = CommandKind(command);
    const bool movie = kind == kMovieCommand;

    items.Set(kCopy, view.reportPresent || view.screenImageHeld);

    if (!movie) {
        for (int id : {kSpeedUp, kSlowDown, kReverseTimeSpeed, kPause, kZoomIn, kZoomOut}) {
            items.Set(id, false);
        }
        items.Set(kJetTrails, true);
    } else {
        const bool dayNight = command == kDayNight;
        items.Set(kSpeedUp, dayNight ? view.dayNightStep != kDayNightLastStep
                                     : view.timeSpeed != kFastestTimeSpeed);
        items.Set(kSlowDown,
                  dayNight ? view.dayNightStep != 0 : view.timeSpeed != -kFastestTimeSpeed);
        items.Set(kReverseTimeSpeed, !dayNight);
        items.Set(kJetTrails, !dayNight);
        items.Set(kPause, true);
        items.Set(kZoomIn, !(view.viewAngle <= kNarrowestViewAngle || HasFixedView(command)));
        items.Set(kZoomOut, !(view.viewAngle >= kWidestViewAngle || HasFixedView(command)));
    }
    for (int id = kDayNight; id <= kBinaryStar; ++id) {
        items.Set(id, !movie);
    }

    items.Set(kStop, movie || kind == kReportCommand || view.busy);

    const bool printable = !(movie || view.busy || kind == kReportCommand);
    items.Set(kPrint, printable);
    items.Set(kPrintSetup, printable);
    items.Set(kSetFont, printable);

    if (items.Count() != kRefreshedItemCount) {
        FatalError(kInternalError, "MENUFCNS", __LINE__);
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
