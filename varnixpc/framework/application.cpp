#include "framework/application.h"

#include <cstdio>

Application* Application::instance_ = nullptr;

namespace {

using Ctl3dProc = BOOL(WINAPI*)(HINSTANCE);

// The library's entry points all take the instance and return BOOL.
Ctl3dProc Ctl3dEntry(HMODULE library, const char* name) {
    return reinterpret_cast<Ctl3dProc>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

} // namespace

Application::Application() {
    instance_ = this;
}

Application::~Application() {
    if (ctl3d_ != nullptr) {
        Ctl3dProc unregister = Ctl3dEntry(ctl3d_, "Ctl3dUnregister");
        if (unregister != nullptr) {
            unregister(handle_);
        }
        FreeLibrary(ctl3d_);
    }
    instance_ = nullptr;
}

std::string Application::ModulePath() const {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(handle_, path, sizeof path);
    // A path that filled the buffer may have been cut: not a path to use.
    if (length == 0 || length >= sizeof path) {
        return std::string();
    }
    return std::string(path, length);
}

int Application::GetProfileInt(const char* section, const char* key, int fallback) const {
    return static_cast<int>(GetPrivateProfileIntA(section, key, fallback, profileName_.c_str()));
}

bool Application::WriteProfileInt(const char* section, const char* key, int value) const {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return WritePrivateProfileStringA(section, key, text, profileName_.c_str()) != FALSE;
}

void Application::Enable3dControls() {
    // Loaded by name from the system path, as the platform ships it.
    ctl3d_ = LoadLibraryA("CTL3D32.DLL");
    if (ctl3d_ == nullptr) {
        return;
    }
    Ctl3dProc reg = Ctl3dEntry(ctl3d_, "Ctl3dRegister");
    Ctl3dProc subclass = Ctl3dEntry(ctl3d_, "Ctl3dAutoSubclass");
    if (reg == nullptr || subclass == nullptr || !reg(handle_)) {
        FreeLibrary(ctl3d_);
        ctl3d_ = nullptr;
        return;
    }
    subclass(handle_);
}

int Application::Run() {
    MSG msg;
    BOOL got;
    while ((got = GetMessageA(&msg, nullptr, 0, 0)) != 0) {
        if (got == -1) {
            return 1;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

std::string LoadResourceString(UINT id) {
    char text[512];
    const int length = LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text);
    return length > 0 ? std::string(text, static_cast<std::size_t>(length)) : std::string();
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    Application* app = Application::Instance();
    if (app == nullptr) {
        return 1;
    }
    app->handle_ = instance;
    if (!app->InitInstance()) {
        return app->ExitCode();
    }
    return app->Run();
}
