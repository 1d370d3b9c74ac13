// The floating-point unit's exception masks for the main window's creation.
#pragma once

// Masks every floating-point exception, invalid operations included: results
// become infinities, NaNs, zeros or rounded values and the computations' own
// range guards decide what is shown.
void MaskFloatingPointExceptions();
