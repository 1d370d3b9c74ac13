#include "graphs/graphs.h"

bool IsGraphCommand(int id) {
    return id >= kFirstGraphCommand && id <= kLastGraphCommand;
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
