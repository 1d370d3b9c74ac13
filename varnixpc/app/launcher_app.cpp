#include "app/launcher_app.h"

#include "app/bar_window.h"

namespace {

CLauncherApp theApp;

// The path with its extension (after the last dot of the file name)
// replaced.
std::string WithExtension(const std::string& path, const char* extension) {
    const std::size_t slash = path.find_last_of("\\/");
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return path + extension;
    }
    return path.substr(0, dot) + extension;
}

} // namespace

CLauncherApp& TheApp() {
    return theApp;
}

CLauncherApp::CLauncherApp() = default;
CLauncherApp::~CLauncherApp() = default;

bool CLauncherApp::InitInstance() {
    Enable3dControls();
    const std::string path = ModulePath();
    if (path.empty()) {
        return false;
    }
    programDirectory_ = path.substr(0, path.find_last_of('\\') + 1);
    SetProfileName(WithExtension(path, ".INI"));

    bar_ = std::make_unique<CMyWnd>();
    SetMainWindow(bar_.get());
    if (!bar_->Create() || bar_->Handle() == nullptr) {
        SetMainWindow(nullptr);
        // Ended on purpose at the shell check: not a failure.
        SetExitCode(bar_->StoppedAtShellCheck() ? 0 : 1);
        bar_.reset();
        return false;
    }
    ShowWindow(bar_->Handle(), SW_SHOWNA);
    UpdateWindow(bar_->Handle());
    return true;
}
