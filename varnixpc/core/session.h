// Ending the user's session, behind an interface so that the decision can
// be checked without logging anybody off.
#pragma once

#include "core/menus.h"

// The platform's exit flags, mirrored so that this layer needs no
// platform headers.
constexpr unsigned kLogOffFlag = 0x00000000u;
constexpr unsigned kForceFlag = 0x00000004u;

class SessionControl {
  public:
    virtual ~SessionControl() = default;
    // Asks the platform to end the session; false when it refuses.
    virtual bool LogOff(unsigned flags) = 0;
};

// Never forced, so that other programs keep the chance to save their work
// or to refuse.
unsigned LogoutFlags();

// Carries out an action that ends the session. Returns false, touching
// nothing, for any other action.
bool RunSessionAction(MenuAction action, SessionControl& session);
