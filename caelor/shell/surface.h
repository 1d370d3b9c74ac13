// Preparing a device context as a drawing surface, and the text metrics every
// margin of the program is derived from. Failures are fatal IDS_GDI_ERROR
// in the module of the drawing under way (graphs/drawing_module.h).
#pragma once

#include "graphs/page_mapping.h"

#include <windows.h>

// Mode kDeviceMapping (1): one unit per pixel, viewport origin (0, 0).
// Mode kPageMapping (7): the isotropic 1000 x 750 page, y up, anchored at the
// bottom-left of a width x height surface. Both select the system fixed font.
// With colours: background the window colour, text the window-text colour,
// and the pen of colour item 20. Returns the font selected before, for the
// caller to put back.
HFONT PrepareSurface(HDC dc, int mode, int width, int height, bool withColours);

// The current font's maximum character width, in logical units.
int CharWidth(HDC dc);
// The current font's height plus its external leading, in logical units.
int LineHeight(HDC dc);
// Extent of text in the current font, in logical units.
int TextWidth(HDC dc, const char* text);
int TextHeight(HDC dc, const char* text);
