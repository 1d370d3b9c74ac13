#include "reports/message_pump.h"

bool PumpKeepsDraining(int mode, bool resized) {
    return !(mode == kGraphPump && resized);
}

int PumpVerdict(int mode, bool stopFlag, bool resized) {
    if (stopFlag) {
        return 1;
    }
    return mode == kGraphPump && resized ? 1 : 0;
}
