#include "graphs/graphs.h"

#include "settings/dialog_params.h"

bool IsGraphCommand(int id) {
    return id >= IDM_GRAPH_FIRST && id <= IDM_GRAPH_LAST;
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
    case IDM_GRAPH_JUPITER_MOONS_ORBIT:
        JupiterMoonsGraph(s, p.year, p.month, p.moonSet, p.numberMoons, p.location);
        break;
    case IDM_GRAPH_PLANET_ORBIT:
        PlanetOrbitGraph(s, p.year, p.bodySet);
        break;
    case IDM_GRAPH_PLANET_MAGNITUDE:
        PlanetMagnitudeGraph(s, p.year, p.bodySet);
        break;
    case IDM_GRAPH_PLANET_ILLUM_FRAC:
        PlanetIllumFracGraph(s, p.year, p.bodySet);
        break;
    case IDM_GRAPH_PLANET_DIAMETER:
        PlanetDiameterGraph(s, p.year, p.bodySet);
        break;
    case IDM_GRAPH_PLANET_DISTANCE:
        PlanetDistanceGraph(s, p.year, p.bodySet, p.distanceFromSun);
        break;
    case IDM_GRAPH_PLANET_ANGLE:
        PlanetAngleGraph(s, p.year, p.month, p.mainPlanet, p.bodySet, p.location);
        break;
    case IDM_GRAPH_EQUATION_OF_TIME:
        EquationOfTimeGraph(s, p.year, p.location);
        break;
    case IDM_GRAPH_DAY_LENGTH:
        DayLengthGraph(s, p.year, p.location);
        break;
    case IDM_GRAPH_SUN_ANGLE:
        SunAngleGraph(s, p.year, p.location);
        break;
    case IDM_GRAPH_ANALEMMA:
        AnalemmaGraph(s, p.year, p.location);
        break;
    case IDM_GRAPH_SUNRISE:
        SunriseGraph(s, p.year, p.location);
        break;
    case IDM_GRAPH_MOON_ANGULAR_SPEED:
        MoonSpeedGraph(s, p.year, p.location);
        break;
    case IDM_GRAPH_MOON_ILLUM_FRAC:
        MoonIllumFracGraph(s, p.year, p.month, p.location);
        break;
    case IDM_GRAPH_ECLIPSES:
        EclipsesGraph(s, p.year, p.stopYear, p.location);
        break;
    default:
        break;
    }
}
