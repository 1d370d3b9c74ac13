// The source module a drawing failure names in its fatal-error box. Graphs
// and text views draw for GRAPHICS; code that draws for a module of its own
// (the movies) names it for as long as it draws, so the box says which part
// of the program failed. The surfaces that report failures (GdiSurface) ask
// here at the moment a call fails.
#pragma once

// The module of the drawing under way: the innermost open scope's, else
// "GRAPHICS".
const char* DrawingModule();

// Names module (a string that outlives the scope) for the drawing done while
// the object lives; the enclosing module comes back when it ends, also when
// the drawing is left early.
class DrawingModuleScope {
  public:
    explicit DrawingModuleScope(const char* module);
    ~DrawingModuleScope();
    DrawingModuleScope(const DrawingModuleScope&) = delete;
    DrawingModuleScope& operator=(const DrawingModuleScope&) = delete;

  private:
    const char* enclosing_;
};
