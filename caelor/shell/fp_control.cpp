#include "shell/fp_control.h"

#include <float.h>

void MaskFloatingPointExceptions() {
    _controlfp(_MCW_EM, _MCW_EM);
}
