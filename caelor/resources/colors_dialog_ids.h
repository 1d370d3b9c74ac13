/* Control ids of the Assign Colors dialog, shared by its template and its
   procedure. Button 200 + i chooses the colour of item i; control 300 + i
   shows it. */
#ifndef CAELOR_COLORS_DIALOG_IDS_H
#define CAELOR_COLORS_DIALOG_IDS_H

#define IDC_COLOR_BUTTON_FIRST 200
#define IDC_COLOR_SWATCH_FIRST 300
#define IDC_COLORS_SAVE 102

#endif
