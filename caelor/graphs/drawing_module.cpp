#include "graphs/drawing_module.h"

namespace {

// One thread draws; the scopes nest on its stack.
const char* g_module = "GRAPHICS";

} // namespace

const char* DrawingModule() {
    return g_module;
}

DrawingModuleScope::DrawingModuleScope(const char* module) : enclosing_(g_module) {
    g_module = module;
}

DrawingModuleScope::~DrawingModuleScope() {
    g_module = enclosing_;
}
