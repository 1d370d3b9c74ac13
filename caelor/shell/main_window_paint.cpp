// WM_PAINT: the report, the snapshot of a finished graph or stopped movie,
// or the graph being drawn. Movies draw on their timer, not here.

#include "shell/main_window.h"

#include "graphs/graphics.h"
#include "graphs/graphs.h"
#include "reports/host_hooks.h"
#include "settings/dialog_params.h"
#include "shell/bitmaps.h"
#include "shell/gdi_surface.h"
#include "shell/menu_state.h"
#include "shell/surface.h"

namespace {

// Draws the current graph into the paint DC. The command is parked while
// drawing, so a paint dispatched by the graph's own message pump does not
// start it again; a Stop forgets it, a resize has it drawn again whole.
void PaintGraph(HDC dc) {
    const int id = g_main.currentCommand;
    LockMenus(g_main.window, kGraphCommand, false);
    g_main.currentCommand = 0;
    g_main.drawingGraph = true;
    g_main.resized = false;
    HMENU menu = GetMenu(g_main.window);
    SetTickMarks(menu != nullptr &&
                 (GetMenuState(menu, IDM_TICK_MARKS, MF_BYCOMMAND) & MF_CHECKED) != 0);
    {
        GdiSurface surface(dc, g_main.drawing.Width(), g_main.drawing.Height());
        surface.Prepare(kPageMapping, g_main.drawing.Width(), g_main.drawing.Height(), true);
        DrawGraph(surface, id, GraphParamsFromDialog(CurrentDialogParams, g_main.location));
    }
    g_main.drawingGraph = false;
    if (!IsWindow(g_main.window) || StopFlag) {
        return;
    }
    g_main.currentCommand = id;
    if (g_main.resized) {
        InvalidateRect(g_main.window, nullptr, TRUE);
    }
}

// After a graph's paint: the menus come back, and a graph drawn whole is
// kept as the snapshot that later repaints, Copy and Print use.
void AfterGraphPaint() {
    if (!IsWindow(g_main.window)) {
        return;
    }
    LockMenus(g_main.window, kOtherCommand, true);
    RECT pending;
    if (CommandKind(g_main.currentCommand) == kGraphCommand && !g_main.resized &&
        !GetUpdateRect(g_main.window, &pending, FALSE) && GetFocus() == g_main.window) {
        SnapshotClient(g_main.window, g_main.currentCommand);
    }
}

} // namespace

void PaintMainWindow() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(g_main.window, &paint);
    if (dc == nullptr) {
        MainWindowFatal(IDS_GDI_ERROR, __LINE__);
    }
    const int kind = CommandKind(g_main.currentCommand);
    if (g_main.drawingGraph) {
        // The graph in progress ends and is redrawn whole, so no unpainted
        // hole gets into its snapshot.
        g_main.resized = true;
    } else if ((kind == kMovieCommand || kind == kOtherCommand) && !SnapshotHeld() &&
               g_main.report.lineCount == 0) {
        // Nothing to show.
    } else if (g_main.report.lineCount > 0) {
        HFONT oldFont = PrepareSurface(dc, 1, 0, 0, true);
        g_reportView.Paint(dc, g_main.drawing.Height());
        SelectObject(dc, oldFont);
    } else if (SnapshotHeld()) {
        PaintSnapshot(dc, g_main.drawing.Width(), g_main.drawing.Height());
    } else if (kind == kGraphCommand) {
        PaintGraph(dc);
        EndPaint(g_main.window, &paint);
        AfterGraphPaint();
        return;
    } else if (kind != kMovieCommand && kind != kReportCommand) {
        LockMenus(g_main.window, kOtherCommand, true);
    }
    EndPaint(g_main.window, &paint);
}
