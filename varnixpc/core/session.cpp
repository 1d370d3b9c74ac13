#include "core/session.h"

unsigned LogoutFlags() {
    return kLogOffFlag;
}

bool RunSessionAction(MenuAction action, SessionControl& session) {
    if (action != MenuAction::kLogout) {
        return false;
    }
    session.LogOff(LogoutFlags());
    return true;
}
