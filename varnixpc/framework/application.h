// The application object: one per program, created as a global. The
// framework's WinMain hands it the instance, runs its initialisation and then
// the message loop until the main window ends it.
#pragma once

#include <windows.h>

#include <string>

class Window;

class Application {
  public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    static Application* Instance() { return instance_; }

    // Creates the main window. False ends the program with ExitCode().
    virtual bool InitInstance() = 0;

    HINSTANCE Handle() const { return handle_; }
    Window* MainWindow() const { return mainWindow_; }
    void SetMainWindow(Window* window) { mainWindow_ = window; }

    // The program file's full path; empty when it does not fit MAX_PATH.
    std::string ModulePath() const;

    // Private-profile settings in the file named by SetProfileName.
    void SetProfileName(const std::string& path) { profileName_ = path; }
    const std::string& ProfileName() const { return profileName_; }
    int GetProfileInt(const char* section, const char* key, int fallback) const;
    bool WriteProfileInt(const char* section, const char* key, int value) const;

    // Uses the 3D controls library when it can be loaded; carries on
    // without it otherwise.
    void Enable3dControls();

    // Exit code when InitInstance fails: 0 when the user chose to stop.
    void SetExitCode(int code) { exitCode_ = code; }
    int ExitCode() const { return exitCode_; }

    int Run();

  private:
    friend int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int);

    static Application* instance_;
    HINSTANCE handle_ = nullptr;
    Window* mainWindow_ = nullptr;
    std::string profileName_;
    HMODULE ctl3d_ = nullptr;
    int exitCode_ = 1;
};

// Text of a string resource of the program; empty when it is missing.
std::string LoadResourceString(UINT id);
