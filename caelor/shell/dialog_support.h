// The shell services the dialogs call: error boxes, the dialog runner, data
// files and help, from the error-reporting module; FatalError comes from
// reports/host_hooks.h.
#pragma once

#include "reports/host_hooks.h"
#include "shell/errors.h"
