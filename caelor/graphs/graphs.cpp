#include "graphs/graphs.h"

#include "settings/dialog_params.h"

bool IsGraphCommand(int id) {
    return id >= kFirstGraphCommand && id <= kLastGraphCommand;
}

GraphParams GraphParamsFromDialog(const DialogParams& dialog, const Location& location) {
    GraphParams p;
    p.year = dialog.year;
    p.month = dialog.month;
    p.stopYear = dialog.stopYear;
    p.bodySet = dialog.planetSet;
    p.distanceFromSun = dialog.distanceFromSun;
    p.mainPlanet = dialog.mainPlanet;
    p.moonSet = dialog.moonSet;
    p.numberMoons = dialog.labelMoons != 0;
    p.location = location;
    return p;
}

void DrawGraph(Surface& s, int id, const GraphParams& p) {
    switch (id) {
    case kJupiterMoonsGraph:
        JupiterMoonsGraph(s, p.year, p.month, p.moonSet, p.numberMoons, p.location);
        break;
    case kPlanetOrbitGraph:
        PlanetOrbitGraph(s, p.year, p.bodySet);
        break;
    case kPlanetMagnitudeGraph:
        PlanetMagnitudeGraph(s, p.year, p.bodySet);
        break;
    case kPlanetIllumFracGraph:
        PlanetIllumFracGraph(s, p.year, p.bodySet);
        break;
    case kPlanetDiameterGraph:
        PlanetDiameterGraph(s, p.year, p.bodySet);
        break;
    case kPlanetDistanceGraph:
        PlanetDistanceGraph(s, p.year, p.bodySet, p.distanceFromSun);
        break;
    case kPlanetAngleGraph:
        PlanetAngleGraph(s, p.year, p.month, p.mainPlanet, p.bodySet, p.location);
        break;
    case kEquationOfTimeGraph:
        EquationOfTimeGraph(s, p.year, p.location);
        break;
    case kDayLengthGraph:
        DayLengthGraph(s, p.year, p.location);
        break;
    case kSunAngleGraph:
        SunAngleGraph(s, p.year, p.location);
        break;
    case kAnalemmaGraph:
        AnalemmaGraph(s, p.year, p.location);
        break;
    case kSunriseGraph:
        SunriseGraph(s, p.year, p.location);
        break;
    case kMoonSpeedGraph:
        MoonSpeedGraph(s, p.year, p.location);
        break;
    case kMoonIllumFracGraph:
        MoonIllumFracGraph(s, p.year, p.month, p.location);
        break;
    case kEclipsesGraph:
        EclipsesGraph(s, p.year, p.stopYear, p.location);
        break;
    default:
        break;
    }
}
